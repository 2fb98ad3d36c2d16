#include "gui/setup/account_descriptions_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "core/data/data_module.h"
#include "core/ledger/ledger.h"
#include "core/settings/settings.h"
#include "gui/app/message_box.h"
#include "gui/app/shell.h"
#include "gui/setup/account_grid_model.h"
#include "gui/setup/account_row_delegate.h"
#include "gui/setup/table_navigator.h"
#include "gui/widgets/colour_button.h"
#include "report/banded_report.h"

namespace {
const QString NaamField = QStringLiteral("Naam");
const QString AltijdtonenField = QStringLiteral("Altijdtonen");
} // namespace

AccountDescriptionsWindow::AccountDescriptionsWindow(DataModule& data, Ledger& ledger,
                                                     Settings& settings, QWidget* parent)
    : SetupPage(data, ledger, settings, QStringLiteral("TForm4"),
                QStringLiteral("Wijzigen rekeningomschrijvingen"), QStringLiteral("5.1 REKENINGEN"),
                parent)
{
    BottomRow bottom;
    bottom.lastNumber = false;
    bottom.helpCaption = " Help          ";
    buildFrame(buildContent(), bottom);

    Table& accounts = m_data.rekeningtabel;
    connect(&accounts, &Table::currentChanged, this, [this](int row) {
        selectCurrentRow(row);
        showCurrentAccount();
    });
    connect(&accounts, &Table::recordsReset, this, [this] {
        selectCurrentRow(m_data.rekeningtabel.row());
        showCurrentAccount();
    });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && current.row() != m_data.rekeningtabel.row())
                    m_model->setCurrentRow(current.row());
            });
    connect(m_name, &QLineEdit::textEdited, this, &AccountDescriptionsWindow::takeTypedName);
    connect(m_alwaysShow, &QCheckBox::clicked, this, &AccountDescriptionsWindow::takeAlwaysShow);
}

QWidget* AccountDescriptionsWindow::buildContent()
{
    auto* content = new QWidget(this);
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(16);

    auto* left = new QVBoxLayout;
    m_model = new AccountGridModel(&m_data.rekeningtabel, this);
    m_model->setHeaders({QStringLiteral("Nummer"), QStringLiteral("Naam"), QStringLiteral("Saldo"),
                         QStringLiteral("Altijd tonen")});
    m_grid = new QTableView(content);
    m_grid->setObjectName(QStringLiteral("RxDBGrid1"));
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new AccountRowDelegate(m_grid));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_grid->setColumnWidth(0, 70);
    m_grid->setColumnWidth(2, 110);
    m_grid->setColumnWidth(3, 90);
    m_grid->setMinimumWidth(520);
    left->addWidget(m_grid, 1);
    auto* navigator = new TableNavigator(m_data.rekeningtabel, content);
    navigator->setObjectName(QStringLiteral("DBNavigator1"));
    left->addWidget(navigator);

    // A new user must see that the box below edits the account chosen in the grid.
    left->addSpacing(6);
    left->addWidget(boldLabel(QStringLiteral("Naam van de gekozen rekening:"), content));
    auto* editRow = new QHBoxLayout;
    m_name = new QLineEdit(content);
    m_name->setObjectName(QStringLiteral("DBEdit1"));
    // The width of the accounts' name field.
    m_name->setMaxLength(40);
    m_alwaysShow = new QCheckBox(QStringLiteral("Altijd tonen"), content);
    m_alwaysShow->setObjectName(QStringLiteral("DBCheckBox1"));
    editRow->addWidget(m_name, 1);
    editRow->addWidget(m_alwaysShow);
    left->addLayout(editRow);
    columns->addLayout(left, 3);

    auto* right = new QVBoxLayout;
    right->addWidget(buildExplanation(content));
    right->addSpacing(16);
    m_combinedGroup =
        new QCheckBox(QStringLiteral("rekeningen 440 tm 455 als 1 groep (10 stuks)."), content);
    m_combinedGroup->setObjectName(QStringLiteral("CheckBox1"));
    right->addWidget(m_combinedGroup);
    right->addSpacing(16);
    auto* print = new ColourButton(QStringLiteral(" Afdrukken "), content);
    print->setObjectName(QStringLiteral("SRColorButton1"));
    connect(print, &QPushButton::clicked, this, &AccountDescriptionsWindow::printAccountList);
    right->addWidget(print, 0, Qt::AlignLeft);
    right->addStretch(1);
    columns->addLayout(right, 2);
    return content;
}

QWidget* AccountDescriptionsWindow::buildExplanation(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    for (const QString& line : {QStringLiteral("Bij de rekeningen is aan te vinken of ze altijd"),
                                QStringLiteral("op de uitdraaien moeten worden getoond"),
                                QStringLiteral("ondanks dat het saldo NUL (0) is. "),
                                QStringLiteral("In de tabel True = altijd tonen"),
                                QStringLiteral("False= niet tonen indien saldo = 0"), QString(),
                                QStringLiteral("De rekeningnummers zoals 100, 110 zijn saldo "
                                               "rekeningen."),
                                QStringLiteral("Ze geven het totaal aan van de onderliggende "
                                               "rekeningen.")})
        column->addWidget(new QLabel(line, box));
    return box;
}

void AccountDescriptionsWindow::selectCurrentRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_grid->clearSelection();
        return;
    }
    if (m_grid->currentIndex().row() != row)
        m_grid->setCurrentIndex(m_model->index(row, 0));
    m_grid->selectRow(row);
}

void AccountDescriptionsWindow::showCurrentAccount()
{
    const Table& accounts = m_data.rekeningtabel;
    const bool onAccount = accounts.isActive() && accounts.recNo() > 0;
    m_name->setEnabled(onAccount);
    m_alwaysShow->setEnabled(onAccount);
    const QString name = onAccount ? accounts.asString(NaamField) : QString();
    if (m_name->text() != name)
        m_name->setText(name);
    m_alwaysShow->setChecked(onAccount && accounts.asBoolean(AltijdtonenField));
}

bool AccountDescriptionsWindow::startEditing()
{
    Table& accounts = m_data.rekeningtabel;
    if (accounts.state() == Table::State::Edit)
        return true;
    return accounts.recNo() > 0 && accounts.edit();
}

void AccountDescriptionsWindow::takeTypedName(const QString& name)
{
    if (startEditing())
        m_data.rekeningtabel.setValue(NaamField, name);
}

void AccountDescriptionsWindow::takeAlwaysShow(bool checked)
{
    if (startEditing())
        m_data.rekeningtabel.setValue(AltijdtonenField, checked);
}

void AccountDescriptionsWindow::recomputeGroupTotals()
{
    Table& accounts = m_data.rekeningtabel;
    const int before = accounts.recNo() > 0 ? accounts.asInteger(QStringLiteral("Nummer")) : 0;
    if (!m_ledger.RecomputeAllTotals(m_settings.options().CombinedGroup440))
        MessageBox::error(this, m_ledger.lastError());
    // The totals move the shared cursor; the user finds the account where it was.
    if (before > 0)
        accounts.findNearest(before);
    else
        accounts.first();
}

void AccountDescriptionsWindow::printAccountList()
{
    postPendingEdit();
    Shell* shell = Shell::instance();
    auto* report = shell ? shell->find<BandedReport>(QString::fromLatin1(ReportName)) : nullptr;
    if (report && report->Available())
        report->Preview();
}

void AccountDescriptionsWindow::postPendingEdit()
{
    Table& accounts = m_data.rekeningtabel;
    if (accounts.state() == Table::State::Edit && !accounts.post())
        MessageBox::error(this, accounts.lastError());
}

void AccountDescriptionsWindow::writeGroupSetting()
{
    m_settings.options().CombinedGroup440 = m_combinedGroup->isChecked();
    const SettingsResult result = m_settings.writeOptions();
    if (!result)
        MessageBox::error(this, result.error);
}

void AccountDescriptionsWindow::onShow()
{
    refreshTitle();
    m_combinedGroup->setChecked(m_settings.options().CombinedGroup440);
    recomputeGroupTotals();
    selectCurrentRow(m_data.rekeningtabel.row());
    showCurrentAccount();
    m_grid->setFocus();
}

void AccountDescriptionsWindow::onClose()
{
    postPendingEdit();
    writeGroupSetting();
}
