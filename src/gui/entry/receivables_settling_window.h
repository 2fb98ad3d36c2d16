#pragma once

#include "gui/entry/open_item_settling_window.h"

// "Verwerken van nog te ontvangen": money booked as still to come in arrives.
class ReceivablesSettlingWindow : public OpenItemSettlingWindow
{
    Q_OBJECT
public:
    ReceivablesSettlingWindow(DataModule& data, Ledger& ledger, Settings& settings,
                              QWidget* parent = nullptr);
};
