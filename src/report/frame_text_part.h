#pragma once

#include <QString>

// One text of a frame's title line: a fixed caption, the association's name or the report
// year, optionally bold.
struct FrameTextPart
{
    enum class Kind
    {
        Fixed,
        AssociationName,
        ReportYear,
    };

    Kind kind = Kind::Fixed;
    QString text;
    bool bold = false;

    static FrameTextPart fixed(const QString& text, bool bold = false)
    {
        return {Kind::Fixed, text, bold};
    }
    static FrameTextPart associationName(bool bold = false)
    {
        return {Kind::AssociationName, QString(), bold};
    }
    static FrameTextPart reportYear(bool bold = false)
    {
        return {Kind::ReportYear, QString(), bold};
    }
};
