#pragma once

#include "core/app/app_state.h"
#include "core/settings/settings.h"
#include "report/report_document.h"
#include "support/temp_administration.h"

#include <QDir>
#include <QImage>
#include <QMap>
#include <QTest>

// An administration whose balances a test sets directly, with settings in memory that
// point at its data directory; and ways to read a printed statement back by line.
struct StatementTestBooks : TempAdministration
{
    static constexpr double Margin = 10.0;
    Settings settings{dir.path() + QStringLiteral("/config")};

    StatementTestBooks()
    {
        settings.location().DriveText = dir.path();
        settings.location().DirectoryText = QStringLiteral("/fondirex");
        settings.setAssociationName(QStringLiteral("Sportclub De Uil"));
        settings.mailAndLogo().PrintLogo = false;
        AppState::ReportYear = QStringLiteral("2024");
    }

    // Balance, name and whether the account prints at zero, as the user set them.
    void setAccount(int number, double saldo, const QString& name = QString(), bool always = false)
    {
        Table& accounts = data.rekeningtabel;
        QVERIFY(accounts.findNearest(number));
        QCOMPARE(accounts.asInteger(QStringLiteral("Nummer")), number);
        QVERIFY(accounts.edit());
        QVERIFY(accounts.setValue(QStringLiteral("saldo"), saldo));
        QVERIFY(accounts.setValue(QStringLiteral("Altijdtonen"), always));
        if (!name.isEmpty())
            QVERIFY(accounts.setValue(QStringLiteral("Naam"), name));
        QVERIFY(accounts.post());
    }

    void recomputeTotals(bool combined440 = false)
    {
        settings.options().CombinedGroup440 = combined440;
        QVERIFY(ledger.RecomputeAllTotals(combined440));
    }

    QString writeLogo()
    {
        QImage logo(120, 60, QImage::Format_RGB32);
        logo.fill(QColor(30, 90, 200));
        QDir().mkpath(settings.DataDirectory());
        logo.save(settings.LogoFile(), "JPG");
        settings.fitLogo(logo.size());
        return settings.LogoFile();
    }

    static int count(const ReportPage& page, const QString& text)
    {
        int found = 0;
        for (const PageItem* item : page.itemsOfKind(PageItemKind::Text))
            found += item->text == text;
        return found;
    }

    // The texts printed on the same line as `item`, keyed by their left edge within the
    // band (millimetres from the left margin, rounded).
    static QMap<int, QString> lineOf(const ReportPage& page, const PageItem* item)
    {
        QMap<int, QString> line;
        if (!item)
            return line;
        for (const PageItem* other : page.itemsOfKind(PageItemKind::Text)) {
            if (qAbs(other->rect.center().y() - item->rect.center().y()) < 1.0)
                line.insert(qRound(other->rect.left() - Margin), other->text);
        }
        return line;
    }
};
