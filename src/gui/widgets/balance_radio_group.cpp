#include "gui/widgets/balance_radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

BalanceRadioGroup::BalanceRadioGroup(const QString& title, const QStringList& captions,
                                     QWidget* parent)
    : QGroupBox(title, parent), m_group(new QButtonGroup(this)), m_heading(new QLabel(this))
{
    // The heading stands out like the window's other headings; the options stay plain.
    QFont plain = font();
    // Set explicitly, so the options do not inherit the heading's weight.
    plain.setBold(false);
    QFont bold = plain;
    bold.setBold(true);
    setFont(bold);
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(0);
    grid->setContentsMargins(6, 4, 6, 4);
    m_heading->setFont(plain);
    m_heading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_heading, 0, 1);
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions[i], this);
        button->setFont(plain);
        button->setObjectName(QStringLiteral("option%1").arg(i));
        auto* balance = new QLabel(this);
        balance->setFont(plain);
        balance->setObjectName(QStringLiteral("balance%1").arg(i));
        balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        balance->setMinimumWidth(
            balance->fontMetrics().horizontalAdvance(QStringLiteral("-000,000,000.00")));
        m_group->addButton(button, i);
        grid->addWidget(button, i + 1, 0);
        grid->addWidget(balance, i + 1, 1);
        m_options.append(button);
        m_balances.append(balance);
    }
    grid->setColumnStretch(0, 1);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit choiceChanged(id);
    });
}

void BalanceRadioGroup::setBalanceHeading(const QString& heading)
{
    m_heading->setText(heading);
}

void BalanceRadioGroup::setOptionCaption(int index, const QString& caption)
{
    if (QRadioButton* button = option(index))
        button->setText(caption);
}

QString BalanceRadioGroup::optionCaption(int index) const
{
    const QRadioButton* button = option(index);
    return button ? button->text() : QString();
}

void BalanceRadioGroup::setBalance(int index, const QString& text, const QColor& colour)
{
    QLabel* label = m_balances.value(index);
    if (!label)
        return;
    label->setText(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QString BalanceRadioGroup::balanceText(int index) const
{
    const QLabel* label = m_balances.value(index);
    return label ? label->text() : QString();
}

QColor BalanceRadioGroup::balanceColour(int index) const
{
    const QLabel* label = m_balances.value(index);
    return label ? label->palette().color(QPalette::WindowText) : QColor();
}

int BalanceRadioGroup::checkedOption() const
{
    return m_group->checkedId();
}

void BalanceRadioGroup::setCheckedOption(int index)
{
    if (index == checkedOption())
        return;
    if (QRadioButton* button = option(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group never lets its last checked button go.
    m_group->setExclusive(false);
    if (QAbstractButton* checked = m_group->checkedButton())
        checked->setChecked(false);
    m_group->setExclusive(true);
    emit choiceChanged(-1);
}
