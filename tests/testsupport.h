#pragma once

// What the in-process tests share: a store in a folder of its own, and
// recording stand-ins for the user's answers and the speech agent.

#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/form6.h"
#include "mainwindow/form1.h"
#include "mainwindow/form5.h"
#include "mainwindow/forms.h"
#include "platform/prompts.h"
#include "speech/agent.h"
#include "speech/form4.h"
#include "store/notestore.h"

#include <QCheckBox>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Where a click ticks a check box: its indicator.
inline QPoint checkBoxHit(QCheckBox *box)
{
    return QPoint(6, box->height() / 2);
}

class RecordingPrompts : public Prompts {
public:
    QStringList messages;
    QList<quint32> colorAnswers; // next answers of the colour picker; empty: cancel
    QList<QPair<quint32, QString>> colorRequests;
    QStringList fileAnswers; // next answers of the file dialog; empty: cancel
    QStringList fileRequests;

    void message(const QString &text) override { messages << text; }
    quint32 pickColor(quint32 initial, const QString &title) override
    {
        colorRequests.append({initial, title});
        return colorAnswers.isEmpty() ? initial : colorAnswers.takeFirst();
    }
    QString openFile(const QString &filter, const QString &startFolder) override
    {
        fileRequests << filter + QLatin1Char('@') + startFolder;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
};

// Records every call in order: "Load <id> <key>", "Character <id>",
// "Show", "Speak <text>".
class RecordingAgent : public SpeechAgent, public AgentCharacters, public AgentCharacter {
public:
    QStringList calls;
    QString loadedId;

    AgentCharacters &Characters() override { return *this; }
    void Load(const QString &id, const QString &key) override
    {
        calls << QStringLiteral("Load %1 %2").arg(id, key);
        loadedId = id;
    }
    AgentCharacter *Character(const QString &id) override
    {
        calls << QStringLiteral("Character %1").arg(id);
        return loadedId.compare(id, Qt::CaseInsensitive) == 0 && !loadedId.isEmpty() ? this
                                                                                     : nullptr;
    }
    void Show() override { calls << QStringLiteral("Show"); }
    void Speak(const QString &text) override { calls << QStringLiteral("Speak ") + text; }
};

// A store file of its own in a temporary folder.
struct TestStore {
    QTemporaryDir dir;
    fields::Defaults defaults{QPointF(1500, 900), QStringLiteral("/opt/characters/quornel.qchar")};

    QString path() const { return dir.filePath(NoteStore::fileName); }

    std::unique_ptr<NoteStore> open(QString *error = nullptr)
    {
        QString e;
        auto store = NoteStore::open(path(), defaults, &e);
        if (error)
            *error = e;
        return store;
    }

    // Writes fields of a fresh store before the program opens it.
    void prepare(Table table, const fields::Row &values)
    {
        auto store = open();
        QVERIFY(store);
        QVERIFY(store->write(table, values));
    }
};

// The whole program in process: store, prompts, agent and windows.
struct TestProgram {
    TestStore files;
    std::unique_ptr<NoteStore> store;
    RecordingPrompts prompts;
    RecordingAgent agent;
    std::unique_ptr<Forms> forms;
    int lastUnloaded = 0;

    // Opens the store and creates the windows, without starting.
    void open()
    {
        store = files.open();
        QVERIFY(store);
        forms = std::make_unique<Forms>(*store, prompts, agent);
        forms->setOnLastUnloaded([this] { ++lastUnloaded; });
    }

    // Prepares the store with these values, opens it and starts the program.
    Form1 *start(const fields::Row &form = {}, const fields::Row &note = {})
    {
        if (!form.isEmpty())
            files.prepare(Table::Form, form);
        if (!note.isEmpty())
            files.prepare(Table::Note, note);
        open();
        return forms ? forms->start() : nullptr;
    }
};
