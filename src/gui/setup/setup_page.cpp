#include "gui/setup/setup_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/data/data_module.h"
#include "core/settings/settings.h"
#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/app/processed_notice.h"
#include "gui/app/shell.h"
#include "gui/setup/entry_row.h"
#include "gui/widgets/balance_radio_group.h"
#include "gui/widgets/colour_button.h"
#include "gui/widgets/gradient_panel.h"
#include "gui/widgets/page_title_bar.h"

SetupPage::SetupPage(DataModule& data, Ledger& ledger, Settings& settings, const QString& formName,
                     const QString& caption, const QString& helpHeading, QWidget* parent)
    : Page(parent), m_data(data), m_ledger(ledger), m_settings(settings), m_helpHeading(helpHeading)
{
    setObjectName(formName);
    setCaption(caption);
}

QLabel* SetupPage::boldLabel(const QString& text, QWidget* parent)
{
    return PageTitleBar::boldLabel(text, parent);
}

QString SetupPage::journalNumberText(int number)
{
    return QStringLiteral("%1").arg(number, 6, 10, QLatin1Char('0'));
}

void SetupPage::buildFrame(QWidget* content, const BottomRow& bottom)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTopBar());
    auto* body = new GradientPanel(this);
    body->setObjectName(QStringLiteral("SRGradient2"));
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(12, 10, 12, 10);
    content->setParent(body);
    column->addWidget(content, 1);
    column->addWidget(buildBottomRow(body, bottom));
    layout->addWidget(body, 1);
}

QWidget* SetupPage::buildTopBar()
{
    auto* bar = new PageTitleBar(caption(), this);
    m_title = bar->titleLabel();
    return bar;
}

QWidget* SetupPage::buildBottomRow(QWidget* parent, const BottomRow& bottom)
{
    auto* widget = new QWidget(parent);
    auto* row = new QHBoxLayout(widget);
    row->setContentsMargins(0, 8, 0, 0);
    if (bottom.lastNumber) {
        auto* numberBox = new QVBoxLayout;
        numberBox->addWidget(boldLabel(QStringLiteral("LAATSTE BOEKSTUKNR."), widget));
        m_lastNumber = boldLabel(journalNumberText(0), widget);
        m_lastNumber->setObjectName(QStringLiteral("lastNumberLabel"));
        numberBox->addWidget(m_lastNumber);
        row->addLayout(numberBox);
    }
    row->addStretch(1);
    if (bottom.help) {
        auto* help = new ColourButton(QString::fromLatin1(bottom.helpCaption), widget);
        help->setObjectName(QStringLiteral("helpButton"));
        connect(help, &QPushButton::clicked, this, &Page::showHelp);
        row->addWidget(help, 0, Qt::AlignBottom);
    }
    auto* close = new ColourButton(QString::fromLatin1(bottom.closeCaption), widget);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &Page::closePage);
    row->addWidget(close, 0, Qt::AlignBottom);
    return widget;
}

ColourButton* SetupPage::postButton(const QString& caption, const QString& objectName,
                                    QWidget* parent)
{
    auto* button = new ColourButton(caption, parent);
    button->setObjectName(objectName);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    button->setFaceColour(QColor(190, 230, 190));
    button->setEnabled(false);
    return button;
}

QWidget* SetupPage::instructions(const QStringList& lines, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    for (const QString& line : lines)
        column->addWidget(boldLabel(line, box));
    return box;
}

QHBoxLayout* SetupPage::choiceRow(const QList<QWidget*>& groups)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    for (QWidget* group : groups)
        row->addWidget(group, 0, Qt::AlignTop);
    row->addStretch(1);
    return row;
}

void SetupPage::showLastNumber(int number)
{
    if (m_lastNumber)
        m_lastNumber->setText(journalNumberText(number));
}

int SetupPage::journalLineCount() const
{
    return m_data.journaaltabel.isActive() ? m_data.journaaltabel.unfilteredCount() : 0;
}

void SetupPage::refreshTitle()
{
    Shell* shell = Shell::instance();
    m_title->setText(shell ? shell->mainWindow().caption()
                           : QStringLiteral("Administratie van ") + m_settings.AssociationName());
}

BooksResult SetupPage::carryOut(const std::function<BooksResult()>& action)
{
    BooksResult result;
    if (Shell* shell = Shell::instance()) {
        const Shell::QuietTableErrors quiet(*shell);
        result = action();
    } else {
        result = action();
    }
    if (!result)
        MessageBox::error(this, result.error);
    return result;
}

void SetupPage::showUnplacedNotice()
{
    if (Shell* shell = Shell::instance())
        if (auto* notice = shell->find<ProcessedNotice>(QStringLiteral("TForm12")))
            notice->showUnplaced();
}

SetupPage::TwoChoiceForm SetupPage::buildTwoChoiceForm(const ChoiceGroup& first,
                                                       const ChoiceGroup& second,
                                                       const QStringList& steps,
                                                       const QString& postCaption)
{
    TwoChoiceForm form{};
    form.content = new QWidget(this);
    auto* column = new QVBoxLayout(form.content);
    column->setContentsMargins(0, 0, 0, 0);
    form.entry = new EntryRow(QStringLiteral("DateTimePicker1"), QStringLiteral("Edit1"),
                              QStringLiteral("RxCalcEdit1"), form.content);
    column->addWidget(form.entry);
    column->addSpacing(12);

    const auto group = [&form](const ChoiceGroup& choice, const QString& objectName) {
        auto* radio = new BalanceRadioGroup(choice.title, choice.captions, form.content);
        radio->setObjectName(objectName);
        radio->setBalanceHeading(QStringLiteral(" SALDO "));
        return radio;
    };
    form.first = group(first, QStringLiteral("RadioGroup1"));
    form.second = group(second, QStringLiteral("RadioGroup2"));
    column->addLayout(choiceRow({form.first, form.second}));
    column->addSpacing(12);
    column->addWidget(instructions(steps, form.content));
    column->addSpacing(12);
    form.post = postButton(postCaption, QStringLiteral("SRColorButton1"), form.content);
    column->addWidget(form.post, 0, Qt::AlignLeft);
    column->addStretch(1);
    return form;
}
