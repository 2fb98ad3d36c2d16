#include "gui/entry/entry_page.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/data/data_module.h"
#include "core/settings/settings.h"
#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/app/shell.h"
#include "gui/widgets/amount_edit.h"
#include "gui/widgets/colour_button.h"
#include "gui/widgets/gradient_panel.h"
#include "gui/widgets/page_title_bar.h"

namespace {
QLabel* boldLabel(const QString& text, QWidget* parent)
{
    return PageTitleBar::boldLabel(text, parent);
}
} // namespace

EntryPage::EntryPage(DataModule& data, Ledger& ledger, Settings& settings, const QString& formName,
                     const QString& caption, const QString& helpHeading, QWidget* parent)
    : Page(parent), m_data(data), m_ledger(ledger), m_settings(settings), m_posting(data, ledger),
      m_helpHeading(helpHeading)
{
    setObjectName(formName);
    setCaption(caption);
}

void EntryPage::buildFrame(QWidget* content, const QList<Shortcut>& shortcuts)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTopBar());
    m_body = new GradientPanel(this);
    m_body->setObjectName(QStringLiteral("SRGradient2"));
    auto* body = new QVBoxLayout(m_body);
    body->setContentsMargins(12, 10, 12, 10);
    content->setParent(m_body);
    body->addWidget(content, 1);
    body->addWidget(buildBottomRow(shortcuts));
    layout->addWidget(m_body, 1);
}

QWidget* EntryPage::buildTopBar()
{
    auto* bar = new PageTitleBar(caption(), this);
    m_title = bar->titleLabel();
    return bar;
}

QWidget* EntryPage::buildBottomRow(const QList<Shortcut>& shortcuts)
{
    auto* bottom = new QWidget(m_body);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 8, 0, 0);

    auto* numberBox = new QVBoxLayout;
    numberBox->addWidget(boldLabel(QStringLiteral("LAATSTE BOEKSTUKNR."), bottom));
    m_lastNumber = boldLabel(QStringLiteral("000000"), bottom);
    m_lastNumber->setObjectName(QStringLiteral("lastNumberLabel"));
    numberBox->addWidget(m_lastNumber);
    row->addLayout(numberBox);
    row->addSpacing(24);

    auto* shortcutBox = new QVBoxLayout;
    shortcutBox->addWidget(boldLabel(QStringLiteral("Snelkoppelingen naar:"), bottom));
    auto* buttons = new QHBoxLayout;
    for (const Shortcut& shortcut : shortcuts) {
        auto* button = new ColourButton(QString::fromUtf8(shortcut.caption), bottom);
        button->setObjectName(QString::fromLatin1(shortcut.objectName));
        const QString target = QString::fromLatin1(shortcut.target);
        connect(button, &QPushButton::clicked, this, [this, target] { openShortcut(target); });
        buttons->addWidget(button);
    }
    shortcutBox->addLayout(buttons);
    row->addLayout(shortcutBox);
    row->addStretch(1);

    auto* help = new ColourButton(QStringLiteral(" Help                "), bottom);
    help->setObjectName(QStringLiteral("helpButton"));
    connect(help, &QPushButton::clicked, this, &Page::showHelp);
    auto* close = new ColourButton(QStringLiteral(" Sluit venster   "), bottom);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &Page::closePage);
    row->addWidget(help, 0, Qt::AlignBottom);
    row->addWidget(close, 0, Qt::AlignBottom);
    return bottom;
}

QWidget* EntryPage::buildEntryRow(const QString& dateName, const QString& descriptionName,
                                  const QString& amountName)
{
    auto* entry = new QWidget(this);
    auto* grid = new QGridLayout(entry);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(boldLabel(QStringLiteral("Datum"), entry), 0, 0);
    grid->addWidget(boldLabel(QStringLiteral("Omschrijving"), entry), 0, 1);
    grid->addWidget(boldLabel(QStringLiteral("Bedrag"), entry), 0, 2);

    m_date = new QDateEdit(QDate::currentDate(), entry);
    m_date->setObjectName(dateName);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    m_description = new QLineEdit(entry);
    m_description->setObjectName(descriptionName);
    m_description->setMaxLength(255);
    m_description->setMinimumWidth(260);
    m_amount = new AmountEdit(entry);
    m_amount->setObjectName(amountName);
    m_amount->setMinimumWidth(110);
    // Picking a date in the calendar leads on to the description.
    connect(m_date->calendarWidget(), &QCalendarWidget::clicked, this,
            [this] { m_description->setFocus(); });
    grid->addWidget(m_date, 1, 0);
    grid->addWidget(m_description, 1, 1);
    grid->addWidget(m_amount, 1, 2);
    grid->setColumnStretch(1, 1);
    return entry;
}

QLabel* EntryPage::instruction(const QString& text, QWidget* parent)
{
    return boldLabel(text, parent);
}

ColourButton* EntryPage::postButton(const QString& caption, QWidget* parent)
{
    auto* button = new ColourButton(caption, parent);
    button->setObjectName(QStringLiteral("SRColorButton1"));
    button->setEnabled(false);
    stylePostButton(button);
    return button;
}

void EntryPage::stylePostButton(ColourButton* button)
{
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    button->setFaceColour(QColor(190, 230, 190));
}

void EntryPage::showLastNumber()
{
    m_lastNumber->setText(
        QStringLiteral("%1").arg(m_posting.lastJournalNumber(), 6, 10, QLatin1Char('0')));
}

void EntryPage::refreshTitle()
{
    Shell* shell = Shell::instance();
    m_title->setText(shell ? shell->mainWindow().caption()
                           : QStringLiteral("Administratie van ") + m_settings.AssociationName());
}

void EntryPage::openShortcut(const QString& formName)
{
    Shell* shell = Shell::instance();
    if (Page* target = shell ? shell->page(formName) : nullptr)
        switchToPage(*target);
}

void EntryPage::reportFailure(const QString& error)
{
    MessageBox::error(this, error);
}
