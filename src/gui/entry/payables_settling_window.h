#pragma once

#include "gui/entry/open_item_settling_window.h"

// "Verwerken van nog te betalen rekeningen": bills booked as still to be paid are paid.
class PayablesSettlingWindow : public OpenItemSettlingWindow
{
    Q_OBJECT
public:
    PayablesSettlingWindow(DataModule& data, Ledger& ledger, Settings& settings,
                           QWidget* parent = nullptr);
};
