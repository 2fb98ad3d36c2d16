#include "gui/widgets/amount_edit.h"

#include <QRegularExpressionValidator>
#include <QTimer>

#include "core/amount_format.h"

AmountEdit::AmountEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Digits, both separators and a sign; AmountFormat decides what they mean.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+]?[0-9.,]*")), this));
    connect(this, &QLineEdit::textEdited, this, &AmountEdit::takeTypedText);
    setText(AmountFormat::format(0.0));
}

void AmountEdit::setValue(double value)
{
    const bool changed = value != m_value;
    m_value = value;
    setText(AmountFormat::format(value));
    if (changed)
        emit valueChanged(m_value);
}

void AmountEdit::reformat()
{
    setText(AmountFormat::format(m_value));
}

void AmountEdit::takeTypedText(const QString& text)
{
    bool ok = false;
    double typed = AmountFormat::parse(text, &ok);
    if (!ok)
        typed = 0.0;
    if (typed == m_value)
        return;
    m_value = typed;
    emit valueChanged(m_value);
}

void AmountEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Typing over the shown amount replaces it rather than extending "0.00".
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void AmountEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    reformat();
}
