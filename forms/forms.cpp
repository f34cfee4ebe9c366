// SPDX-License-Identifier: MIT
#include "forms.h"

#include "forms/form1.h"
#include "forms/form2.h"
#include "forms/form3.h"
#include "forms/form4.h"
#include "forms/form5.h"
#include "forms/form6.h"
#include "platform/prompts.h"

Forms::Forms(NoteStore &store, Prompts &prompts, SpeechAgent &agent)
    : m_store(store), m_prompts(prompts), m_agent(agent), m_settingsRow(store, Table::Form),
      m_noteRow(store, Table::Note), form1(m_registry, [this] { return new Form1(*this); }),
      form2(m_registry, [this] { return dialog(new Form2(*this)); }),
      form3(m_registry, [this] { return dialog(new Form3(*this)); }),
      form4(m_registry, [this] { return dialog(new Form4(*this)); }),
      form5(m_registry, [this] { return new Form5(*this); }),
      form6(m_registry, [this] { return dialog(new Form6(*this)); })
{}

template <class F> F *Forms::dialog(F *form)
{
    form->setHomeWindow(form1.ifLoaded());
    // A closed dialog gives the keyboard back to the main window.
    QObject::connect(form, &Form::unloaded, form, [this] {
        Form1 *main = form1.ifLoaded();
        if (main && main->isVisible())
            main->activateWindow();
    });
    return form;
}

Forms::~Forms()
{
    // Nothing may end the program while the windows are torn down.
    m_registry.setOnLastUnloaded({});
}

Form1 *Forms::start()
{
    Form1 *main = form1.get();
    m_prompts.setHomeWindow(main);
    main->start();
    return main;
}
