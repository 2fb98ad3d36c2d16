#pragma once

class QTextStream;
class Settings;

// `fondirex --check`: opens the current administration the way the main window does and
// reports the ledger check without any window. Exit code 0 in balance, 1 out of balance,
// 2 when the administration cannot be opened.
class CheckCommand
{
public:
    static constexpr int InBalance = 0;
    static constexpr int OutOfBalance = 1;
    static constexpr int CannotOpen = 2;

    static int run(Settings& settings, QTextStream& out, QTextStream& err);
};
