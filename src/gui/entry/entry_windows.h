#pragma once

class QObject;
class Shell;

// Creates the four entry windows for the shell's window catalogue: income (TForm8),
// expenses (TForm15), settling receivables (TForm11) and payables (TForm10), cross
// postings (TForm9).
class EntryWindows
{
public:
    static QObject* createIncome(Shell& shell);
    static QObject* createExpenses(Shell& shell);
    static QObject* createReceivables(Shell& shell);
    static QObject* createPayables(Shell& shell);
    static QObject* createCrossPostings(Shell& shell);
    // Registers those of the five that the shell does not know yet and lights the main
    // window's buttons for them.
    static void registerAll(Shell& shell);
};
