// SPDX-License-Identifier: MIT
#pragma once

#include "platform/formslot.h"
#include "store/datasource.h"

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class NoteStore;
class Prompts;
class SpeechAgent;

// The program's six windows, each created the first time anything reaches
// it and at most one copy of each, and what they share: the note store,
// the prompts to the user and the speech agent.
class Forms {
public:
    Forms(NoteStore &store, Prompts &prompts, SpeechAgent &agent);
    ~Forms();

    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    NoteStore &store() { return m_store; }
    Prompts &prompts() { return m_prompts; }
    SpeechAgent &agent() { return m_agent; }

    // Runs when the last loaded window has been unloaded.
    void setOnLastUnloaded(std::function<void()> cb)
    {
        m_registry.setOnLastUnloaded(std::move(cb));
    }
    int loadedCount() const { return m_registry.loadedCount(); }

    // Creates the main window and runs its start-up.
    Form1 *start();

    // The two records, as every window reaches them without loading
    // another window.
    DataSource &settingsRow() { return m_settingsRow; }
    DataSource &noteRow() { return m_noteRow; }

private:
    template <class F> F *dialog(F *form);

    NoteStore &m_store;
    Prompts &m_prompts;
    SpeechAgent &m_agent;
    FormRegistry m_registry;
    DataSource m_settingsRow;
    DataSource m_noteRow;

public:
    FormSlot<Form1> form1; // main note window
    FormSlot<Form2> form2; // rename text
    FormSlot<Form3> form3; // options
    FormSlot<Form4> form4; // speech settings
    FormSlot<Form5> form5; // holds the height holder, never shown
    FormSlot<Form6> form6; // transparency settings
};
