// SPDX-License-Identifier: MIT
#pragma once

// What the in-process tests of the windows share: the whole program in
// process on a store of its own, and recording stand-ins for the user's
// answers and the speech agent. Controls are found by their design names.

#include "forms/form1.h"
#include "forms/form2.h"
#include "forms/form3.h"
#include "forms/form4.h"
#include "forms/form5.h"
#include "forms/form6.h"
#include "forms/forms.h"
#include "platform/display.h"
#include "platform/label.h"
#include "platform/prompts.h"
#include "speech/agent.h"
#include "store/notestore.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sqlite3.h>

#include <memory>

class RecordingPrompts : public Prompts {
public:
    QStringList messages;
    QList<QColor> colorsOffered; // the colour picker cancels unless real
    QStringList fileAnswers;     // next answers of the file dialog; none: cancel
    bool real = false;           // the real file dialog and colour picker instead

    void message(const QString &text) override { messages << text; }
    QColor pickColor(const QColor &initial, const QString &title) override
    {
        colorsOffered << initial;
        return real ? Prompts::pickColor(initial, title) : initial;
    }
    QString openFile(const QString &filter, const QString &folder) override
    {
        if (real)
            return Prompts::openFile(filter, folder);
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
};

// Records every call in order: "Load <id> <key>", "Character <id>",
// "Show", "Speak <text>", "Stop", "Activate"; and holds the reading choices
// it was given.
class RecordingAgent : public SpeechAgent, public AgentCharacters, public AgentCharacter {
public:
    QStringList calls;
    QString loadedId;
    ReadingChoices choices;
    std::function<void(const ReadingChoices &)> keep; // as a character's menu would

    AgentCharacters &Characters() override { return *this; }
    void Load(const QString &id, const QString &key) override
    {
        calls << QStringLiteral("Load %1 %2").arg(id, key);
        loadedId = id;
    }
    AgentCharacter *Character(const QString &id) override
    {
        calls << QStringLiteral("Character %1").arg(id);
        return !loadedId.isEmpty() && loadedId.compare(id, Qt::CaseInsensitive) == 0 ? this
                                                                                     : nullptr;
    }
    void Show() override { calls << QStringLiteral("Show"); }
    void Speak(const QString &text) override { calls << QStringLiteral("Speak ") + text; }
    void Stop() override { calls << QStringLiteral("Stop"); }
    void Activate() override { calls << QStringLiteral("Activate"); }
    void setChoices(const ReadingChoices &c) override { choices = c; }
    void keepChoicesWith(QObject *, std::function<void(const ReadingChoices &)> k) override
    {
        keep = std::move(k);
    }
};

// Runs `act` on the modal dialog of this class once it is up (the real
// prompts run their own event loop meanwhile).
template <class Dialog, class Act> void whenModal(Act act)
{
    QTimer::singleShot(0, qApp, [act] {
        Dialog *dialog = nullptr;
        for (int i = 0; i < 100 && !dialog; ++i) {
            QTest::qWait(50);
            dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        }
        if (dialog)
            act(dialog);
    });
}

using Values = QList<QPair<const Field *, QVariant>>;

// The whole program in process: store, prompts, agent and windows.
struct TestProgram {
    QTemporaryDir dir;
    Defaults defaults{QPointF(1500, 900), QStringLiteral("/opt/characters/quornel.qchar")};
    std::unique_ptr<NoteStore> store;
    RecordingPrompts prompts;
    RecordingAgent agent;
    std::unique_ptr<Forms> forms;
    int ended = 0; // how often the last window was unloaded

    // Opens a store holding these values and starts the program on it.
    Form1 *start(const Values &values = {})
    {
        store = NoteStore::open(dir.filePath(NoteStore::fileName), defaults, nullptr);
        if (!store)
            return nullptr;
        // Quiet unless a test asks for the animations.
        const Values quiet{{&fields::StartAni, QStringLiteral("False")},
                           {&fields::CloseAni, QStringLiteral("False")}};
        for (const auto &v : quiet + values)
            set(*v.first, v.second);
        forms = std::make_unique<Forms>(*store, prompts, agent);
        forms->setOnLastUnloaded([this] { ++ended; });
        Form1 *main = forms->start();
        // The desktop has a notification area to hide to.
        emit display::Desktop::instance().trayChanged(true);
        return main;
    }
    // Puts a value into the file as another program would, bypassing the
    // field's encoding: a hand-edited store, once the program's own writes
    // have landed.
    void set(const Field &field, const QVariant &v)
    {
        QTRY_VERIFY(!store->isWaiting());
        QString literal = QStringLiteral("NULL");
        if (v.typeId() == QMetaType::Double)
            literal = QString::number(v.toDouble(), 'e', 17); // an exponent makes it real
        else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
            literal = v.toString();
        else if (!v.isNull())
            literal = '\'' + v.toString().replace('\'', QLatin1String("''")) + '\'';
        sqlite3 *db = nullptr;
        sqlite3_open(qPrintable(store->path()), &db);
        const QString sql = QStringLiteral("UPDATE \"%1\" SET \"%2\" = %3")
                                .arg(tableName(field.table), field.column(), literal);
        const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        QCOMPARE(rc, SQLITE_OK);
        // Seen by the program (which cannot look while its worker writes).
        QTRY_VERIFY(v.isNull() ? store->stored(field).isNull()
                               : store->stored(field).toString() == v.toString());
    }
    QVariant stored(const Field &field) { return store->stored(field); }
};

template <class T = QWidget> T *child(QObject *parent, const char *name)
{
    T *found = parent ? parent->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!found)
        qWarning("no control named %s", name);
    return found;
}

// Chooses an item of the main window's popup menu.
inline void choose(Form1 *main, const char *item)
{
    child<QAction>(main, item)->trigger();
}
