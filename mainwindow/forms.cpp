#include "forms.h"

#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/form6.h"
#include "mainwindow/form1.h"
#include "mainwindow/form5.h"
#include "speech/form4.h"

Forms::Forms(NoteStore &store, Prompts &prompts, SpeechAgent &agent)
    : m_store(store), m_prompts(prompts), m_agent(agent), m_settingsRow(store, Table::Form),
      form1(m_registry, [this] { return new Form1(*this); }),
      form2(m_registry, [this] { return new Form2(*this); }),
      form3(m_registry, [this] { return new Form3(*this); }),
      form4(m_registry, [this] { return new Form4(*this); }),
      form5(m_registry, [this] { return new Form5(*this); }),
      form6(m_registry, [this] { return new Form6(*this); })
{}

Forms::~Forms()
{
    // Nothing may end the program while the windows are torn down.
    m_registry.setOnLastUnloaded({});
}

DataSource &Forms::settingsRow()
{
    if (Form1 *main = form1.ifLoaded())
        return main->FormData;
    return m_settingsRow;
}

Form1 *Forms::start()
{
    Form1 *main = form1.get();
    main->Form1_Form_Initialize();
    main->showAfterStartUp();
    return main;
}
