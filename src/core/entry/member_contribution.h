#pragma once

#include <QString>

// The register keeps a member's contribution as free text. Read as an amount, a single "."
// or "," followed by one or two digits is the decimal separator whatever the separators in
// force, so "12,50" never becomes 1250.
class MemberContribution
{
public:
    // 0 when the text is no amount.
    static double amount(const QString& text);
};
