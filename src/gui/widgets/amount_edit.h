#pragma once

#include <QLineEdit>

// An amount box: shows its value as ",0.00" under the separators in force while the user is
// elsewhere, and takes what is typed under those same separators. Text that is no amount
// counts as 0, so a half-typed or cleared box never enables a posting.
class AmountEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit AmountEdit(QWidget* parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);
    bool isZero() const { return m_value == 0.0; }
    // Shows the value again in the display format, e.g. after the separators changed.
    void reformat();

signals:
    void valueChanged(double value);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void takeTypedText(const QString& text);

    double m_value = 0.0;
};
