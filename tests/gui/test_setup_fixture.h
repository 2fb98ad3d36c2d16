#pragma once

#include "shell_fixture.h"

#include "core/amount_format.h"
#include "core/books/account_book.h"
#include "core/data/data_module.h"
#include "core/ledger/ledger.h"
#include "gui/setup/setup_windows.h"
#include "gui/widgets/amount_edit.h"
#include "gui/widgets/colour_button.h"

#include <QDateEdit>
#include <QLineEdit>

// A started program with the set-up windows registered, and the means to use them as the
// treasurer does: open a window through its main-window button, type, click and read the
// books back from the database.
struct SetupFixture : ShellFixture
{
    SetupFixture()
    {
        if (!start())
            qFatal("het programma start niet");
        SetupWindows::registerAll(*shell);
    }

    DataModule& data() { return shell->data(); }
    Ledger& ledger() { return shell->ledger(); }

    // Clicks the main window's button and returns the window that took its place.
    template <typename Window> Window* open(const char* buttonName)
    {
        auto* button = child<ColourButton>(QString::fromLatin1(buttonName));
        if (!button || !button->isEnabled())
            return nullptr;
        QTest::mouseClick(button, Qt::LeftButton);
        return qobject_cast<Window*>(shell->frame().currentPage());
    }

    template <typename T> static T* find(QWidget* window, const char* name)
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    static void typeAmount(QWidget* window, const char* name, const QString& typed)
    {
        auto* amount = find<AmountEdit>(window, name);
        amount->setFocus();
        amount->selectAll();
        QTest::keyClicks(amount, typed);
    }

    static void typeText(QWidget* window, const char* name, const QString& typed)
    {
        auto* edit = find<QLineEdit>(window, name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
    }

    // On the indicator: a stretched option takes no click right of its caption.
    static void choose(QAbstractButton* option)
    {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }

    static void click(QWidget* window, const char* name)
    {
        QTest::mouseClick(find<QAbstractButton>(window, name), Qt::LeftButton);
    }

    double saldo(int account) { return AccountBook::read(data()).saldo(account); }
    QString naam(int account) { return AccountBook::read(data()).Naam(account); }

    void setBalance(int account, double balance)
    {
        Table& accounts = data().rekeningtabel;
        QVERIFY(accounts.findNearest(account));
        QVERIFY(accounts.edit());
        QVERIFY(accounts.setValue(QStringLiteral("saldo"), balance));
        QVERIFY(accounts.post());
    }

    // Every record of a table, whatever filter a window holds, in the table's order.
    static QList<QVariantMap> records(Table& table)
    {
        QList<QVariantMap> list;
        for (int row = 0; row < table.recordCount(); ++row) {
            QVariantMap record;
            for (int field = 0; field < table.schema().fields.size(); ++field)
                record.insert(table.schema().fields[field].name, table.valueAt(row, field));
            list << record;
        }
        return list;
    }
};
