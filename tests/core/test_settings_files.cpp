#include "core/amount_format.h"
#include "core/settings/logo_size_rule.h"
#include "core/settings/settings.h"
#include "core/settings/win1252_codec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

// Expected bytes are spelled out with these three on purpose dumb helpers, so a fault in the
// record code cannot hide in the expectation.
QByteArray zeros(int count)
{
    return QByteArray(count, '\0');
}

QByteArray counted(const QByteArray& characters, int capacity)
{
    return QByteArray(1, char(characters.size())) + characters +
           zeros(capacity - int(characters.size()));
}

QByteArray int32(const char (&littleEndian)[5])
{
    return QByteArray(littleEndian, 4);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void putFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

const char* const kEen = "Vereniging \xC9\xE9n"; // "Vereniging Één" in Windows-1252

LocationRecord filledLocation()
{
    return {QStringLiteral("/home/Één"), QStringLiteral("/fondirex03")};
}

ColourSchemeRecord filledColourScheme()
{
    ColourSchemeRecord record;
    record.Colours = {255, 16505531, -1, 0, 65535};
    record.Names = {QStringLiteral("Vereniging Één"), QStringLiteral("Jeugd"), QString(),
                    QStringLiteral("Veteranen"), QStringLiteral("Kas €")};
    return record;
}

MemberFieldCaptions filledCaptions()
{
    MemberFieldCaptions record = MemberFieldCaptions::defaults();
    record.Captions[0] = QStringLiteral("Mobiel");
    record.Captions[11] = QStringLiteral("Één");
    return record;
}

MailAndLogoRecord filledMailAndLogo()
{
    MailAndLogoRecord record;
    record.PrintLogo = false;
    record.PrintLogoLeft = false;
    record.PrintLogoRight = true;
    record.SenderAddress = QStringLiteral("penning@vereniging.nl");
    record.SenderName = QStringLiteral("Vereniging Één");
    record.SmtpServer = QStringLiteral("smtp.vereniging.nl");
    record.SmtpUserId = QStringLiteral("pm");
    record.SmtpPort = QStringLiteral("587");
    return record;
}

LogoNameRecord filledLogoName()
{
    return {QStringLiteral("/srv/oud/contribuutlogo.bmp")};
}

OptionsRecord filledOptions()
{
    OptionsRecord record;
    record.DutchAmounts = true;
    record.BookYearStartMonth = 11;
    record.CombinedGroup440 = true;
    record.LastBackupDirectory = QStringLiteral("/media/stick/backup");
    record.AssociationName = QStringLiteral("Vereniging Één");
    return record;
}

template <typename Record> bool roundTrips(const Record& record)
{
    return Record::fromBytes(record.toBytes()) == record;
}

// Reading each file by its name, and the bytes of the record in memory that the read fills.
struct FileAccess
{
    bool inProgramDirectory;
    std::function<SettingsResult(Settings&)> read;
    std::function<QByteArray(const Settings&)> memory;
};

const QHash<QString, FileAccess>& fileAccess()
{
    static const QHash<QString, FileAccess> access = {
        {LocationRecord::FileName,
         {true, [](Settings& s) { return s.readLocation(); },
          [](const Settings& s) { return s.location().toBytes(); }}},
        {ColourSchemeRecord::FileName,
         {true, [](Settings& s) { return s.readColourScheme(); },
          [](const Settings& s) { return s.colourScheme().toBytes(); }}},
        {MemberFieldCaptions::FileName,
         {false, [](Settings& s) { return s.readMemberCaptions(); },
          [](const Settings& s) { return s.memberCaptions().toBytes(); }}},
        {MailAndLogoRecord::FileName,
         {false, [](Settings& s) { return s.readMailAndLogo(); },
          [](const Settings& s) { return s.mailAndLogo().toBytes(); }}},
        {LogoNameRecord::FileName,
         {false, [](Settings& s) { return s.readLogoName(); },
          [](const Settings& s) { return s.logoName().toBytes(); }}},
        {OptionsRecord::FileName,
         {false, [](Settings& s) { return s.readOptions(true); },
          [](const Settings& s) { return s.options().toBytes(); }}},
    };
    return access;
}

} // namespace

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_home;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString configDir() const { return m_dir->path() + QStringLiteral("/config"); }
    QString dataDrive() const { return m_dir->path() + QStringLiteral("/data"); }

    // Settings whose program and data directories both lie in this test's temporary folder.
    Settings settingsInTestFolder() const
    {
        Settings settings(configDir());
        settings.location() = {dataDrive(), QStringLiteral("/fondirex")};
        return settings;
    }

private slots:
    void initTestCase()
    {
        // Defaults point into the home directory: keep every file of this test out of the
        // real one.
        QVERIFY(m_root.isValid());
        m_home = m_root.path() + QStringLiteral("/home");
        QVERIFY(QDir().mkpath(m_home));
        qputenv("HOME", m_home.toLocal8Bit());
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        qputenv("FONDIREX_CONFIG_DIR", configDir().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
    }

    void cleanup() { AmountFormat::setDutchAmounts(false); }

    void countedTextCodec_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QString>("readBack");

        QTest::newRow("empty") << QString() << 5 << zeros(6) << QString();
        QTest::newRow("padded with zeros")
            << QStringLiteral("25") << 5 << QByteArray::fromHex("02 3235 000000")
            << QStringLiteral("25");
        QTest::newRow("exactly the capacity")
            << QStringLiteral("Telefoon 1") << 10 << counted("Telefoon 1", 10)
            << QStringLiteral("Telefoon 1");
        QTest::newRow("cut at the capacity")
            << QStringLiteral("Kenmerk 10 lang") << 10 << counted("Kenmerk 10", 10)
            << QStringLiteral("Kenmerk 10");
        QTest::newRow("accented letters") << QStringLiteral("Vereniging Één") << 20
                                          << counted(kEen, 20) << QStringLiteral("Vereniging Één");
        QTest::newRow("euro and quotes outside Latin-1")
            << QStringLiteral("€ “x”") << 10 << counted("\x80 \x93x\x94", 10)
            << QStringLiteral("€ “x”");
        QTest::newRow("letters outside Windows-1252") << QStringLiteral("Łódź") << 10
                                                      << counted("?\xF3"
                                                                 "d?",
                                                                 10)
                                                      << QStringLiteral("?ód?");
        QTest::newRow("surrogate pair is one character")
            << QStringLiteral("a😀b") << 5 << counted("a?b", 5) << QStringLiteral("a?b");
    }

    void countedTextCodec()
    {
        QFETCH(QString, text);
        QFETCH(int, capacity);
        QFETCH(QByteArray, expected);
        QFETCH(QString, readBack);

        const QByteArray field = Win1252Codec::toCounted(text, capacity);
        QCOMPARE(field, expected);
        QCOMPARE(Win1252Codec::fromCounted(field, capacity), readBack);
    }

    void damagedLengthByteStaysInsideItsField()
    {
        const QByteArray field = QByteArray("\xFF"
                                            "abc") +
                                 QByteArray("next field");
        QCOMPARE(Win1252Codec::fromCounted(field, 3), QStringLiteral("abc"));
    }

    void everyWindows1252ByteSurvivesReadAndWrite()
    {
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            all.append(char(byte));
        QCOMPARE(Win1252Codec::encode(Win1252Codec::decode(all)), all);
    }

    void recordBytes_data()
    {
        QTest::addColumn<QByteArray>("actual");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray defaultColour = int32("\xBB\xDA\xFB\x00");
        QTest::newRow("basedrive.dat defaults")
            << LocationRecord::defaults().toBytes()
            << counted(m_home.toLatin1(), 150) + counted("/fondirex", 150);
        QTest::newRow("kschema.dat defaults")
            << ColourSchemeRecord::defaults().toBytes()
            << defaultColour.repeated(5) + counted("Fondirex (standaard)", 20) +
                   counted("Fondirex01", 20) + counted("Fondirex02", 20) +
                   counted("Fondirex03", 20) + counted("Fondirex04", 20) + zeros(3);
        QTest::newRow("leden.cfg defaults")
            << MemberFieldCaptions::defaults().toBytes()
            << counted("Telefoon 1", 10) + counted("Telefoon 2", 10) + counted("Opmerk 1", 10) +
                   counted("Opmerk 2", 10) + counted("Opmerk 3", 10) + counted("Kenmerk 1", 10) +
                   counted("Kenmerk 2", 10) + counted("Kenmerk 3", 10) + counted("Kenmerk 4", 10) +
                   counted("Kenmerk 5", 10) + counted("Kenmerk 6", 10) + counted("Kenmerk 7", 10);
        QTest::newRow("instellst.dat defaults")
            << MailAndLogoRecord::defaults().toBytes()
            << QByteArray("\x01\x01\x00", 3) + counted("", 60) + counted("", 40) + counted("", 40) +
                   counted("", 40) + zeros(41) + counted("25", 5);
        QTest::newRow("logonaam.dat defaults")
            << LogoNameRecord::defaults().toBytes() << counted("/contribuutlogo.jpg", 200);
        QTest::newRow("konfigur.dat defaults at start-up")
            << OptionsRecord::defaults(true).toBytes()
            << zeros(4) + int32("\x01\x00\x00\x00") + zeros(4) + counted("", 200) +
                   counted("", 200) + zeros(2);
        QTest::newRow("konfigur.dat defaults after a switch")
            << OptionsRecord::defaults(false).toBytes() << zeros(416);

        QTest::newRow("basedrive.dat filled")
            << filledLocation().toBytes()
            << counted("/home/\xC9\xE9n", 150) + counted("/fondirex03", 150);
        QTest::newRow("kschema.dat filled")
            << filledColourScheme().toBytes()
            << int32("\xFF\x00\x00\x00") + defaultColour + int32("\xFF\xFF\xFF\xFF") +
                   int32("\x00\x00\x00\x00") + int32("\xFF\xFF\x00\x00") + counted(kEen, 20) +
                   counted("Jeugd", 20) + counted("", 20) + counted("Veteranen", 20) +
                   counted("Kas \x80", 20) + zeros(3);
        QTest::newRow("leden.cfg filled")
            << filledCaptions().toBytes()
            << counted("Mobiel", 10) + MemberFieldCaptions::defaults().toBytes().sliced(11, 110) +
                   counted("\xC9\xE9n", 10);
        QTest::newRow("instellst.dat filled")
            << filledMailAndLogo().toBytes()
            << QByteArray("\x00\x00\x01", 3) + counted("penning@vereniging.nl", 60) +
                   counted(kEen, 40) + counted("smtp.vereniging.nl", 40) + counted("pm", 40) +
                   zeros(41) + counted("587", 5);
        QTest::newRow("logonaam.dat filled")
            << filledLogoName().toBytes() << counted("/srv/oud/contribuutlogo.bmp", 200);
        QTest::newRow("konfigur.dat filled")
            << filledOptions().toBytes()
            << QByteArray("\x01\x00\x00\x00", 4) + int32("\x0B\x00\x00\x00") +
                   int32("\x01\x00\x00\x00") + counted("/media/stick/backup", 200) +
                   counted(kEen, 200) + zeros(2);
    }

    void recordBytes()
    {
        QFETCH(QByteArray, actual);
        QFETCH(QByteArray, expected);
        QCOMPARE(actual.size(), expected.size());
        QCOMPARE(actual.toHex(' '), expected.toHex(' '));
    }

    void recordsRoundTrip()
    {
        QVERIFY(roundTrips(filledLocation()));
        QVERIFY(roundTrips(filledColourScheme()));
        QVERIFY(roundTrips(filledCaptions()));
        QVERIFY(roundTrips(filledMailAndLogo()));
        QVERIFY(roundTrips(filledLogoName()));
        QVERIFY(roundTrips(filledOptions()));
        QVERIFY(roundTrips(OptionsRecord::defaults(false)));
    }

    void settingsRoundTripThroughTheFiles()
    {
        Settings written = settingsInTestFolder();
        written.colourScheme() = filledColourScheme();
        written.memberCaptions() = filledCaptions();
        written.mailAndLogo() = filledMailAndLogo();
        written.logoName() = filledLogoName();
        written.options() = filledOptions();
        QVERIFY(written.writeLocation());
        QVERIFY(written.writeColourScheme());
        QVERIFY(written.writeMemberCaptions());
        QVERIFY(written.writeMailAndLogo());
        QVERIFY(written.writeLogoName());
        QVERIFY(written.writeOptions());

        Settings read(configDir());
        QVERIFY(read.readLocation());
        QVERIFY(read.readColourScheme());
        const SettingsResult dataFiles = read.readDataDirectoryFiles(true);
        QVERIFY2(dataFiles.ok, qPrintable(dataFiles.error));
        QVERIFY(!dataFiles.created);
        QVERIFY(read.location() == written.location());
        QVERIFY(read.colourScheme() == written.colourScheme());
        QVERIFY(read.memberCaptions() == written.memberCaptions());
        QVERIFY(read.mailAndLogo() == written.mailAndLogo());
        QVERIFY(read.logoName() == written.logoName());
        QVERIFY(read.options() == written.options());
    }

    void firstStartCreatesProgramFilesWithDefaults()
    {
        QVERIFY(!QDir(configDir()).exists());
        Settings settings;
        QCOMPARE(settings.ProgramDirectory(), configDir());

        const SettingsResult location = settings.readLocation();
        QVERIFY2(location.ok, qPrintable(location.error));
        QVERIFY(location.created);
        const std::array<QString, 5> shownNames = {QStringLiteral("Hoofd"), QStringLiteral("Een"),
                                                   QStringLiteral("Twee"), QStringLiteral("Drie"),
                                                   QStringLiteral("Vier")};
        const SettingsResult scheme = settings.readColourScheme(shownNames);
        QVERIFY2(scheme.ok, qPrintable(scheme.error));
        QVERIFY(scheme.created);

        QCOMPARE(fileBytes(configDir() + "/basedrive.dat"),
                 counted(m_home.toLatin1(), 150) + counted("/fondirex", 150));
        QCOMPARE(fileBytes(configDir() + "/kschema.dat").sliced(20, 21), counted("Hoofd", 20));
        QCOMPARE(settings.colourScheme().Names, shownNames);
        QCOMPARE(settings.colourScheme().colour(0), QColor(187, 218, 251));
        QCOMPARE(settings.DataDirectory(), m_home + "/fondirex");
        QCOMPARE(settings.administration(), 0);
        QCOMPARE(settings.ManualFile(), configDir() + "/uitleg.rtf");

        QVERIFY(!settings.readLocation().created);
        QVERIFY(!settings.readColourScheme().created);
        QCOMPARE(settings.colourScheme().Names, shownNames);
    }

    void dataDirectoryFilesCreatedWithDefaults_data()
    {
        QTest::addColumn<bool>("createdAtStartup");
        QTest::addColumn<int>("bookYearStartMonth");
        QTest::newRow("at start-up") << true << 1;
        QTest::newRow("after an administration switch") << false << 0;
    }

    void dataDirectoryFilesCreatedWithDefaults()
    {
        QFETCH(bool, createdAtStartup);
        QFETCH(int, bookYearStartMonth);

        Settings settings = settingsInTestFolder();
        settings.setAdministration(2);
        const QString dataDirectory = dataDrive() + "/fondirex02";
        QVERIFY(!QDir(dataDirectory).exists());

        const SettingsResult result = settings.readDataDirectoryFiles(createdAtStartup);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(fileBytes(dataDirectory + "/leden.cfg"),
                 MemberFieldCaptions::defaults().toBytes());
        QCOMPARE(fileBytes(dataDirectory + "/instellst.dat"),
                 MailAndLogoRecord::defaults().toBytes());
        QCOMPARE(fileBytes(dataDirectory + "/logonaam.dat"), LogoNameRecord::defaults().toBytes());
        QCOMPARE(fileBytes(dataDirectory + "/konfigur.dat").sliced(4, 4),
                 QByteArray(1, char(bookYearStartMonth)) + zeros(3));
        QCOMPARE(settings.options().BookYearStartMonth, bookYearStartMonth);
        QCOMPARE(settings.LogoFile(), dataDirectory + "/contribuutlogo.jpg");
    }

    void wrongSizeIsReportedAndLeftAlone_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("sizes");

        QTest::newRow("basedrive.dat too short")
            << QStringLiteral("basedrive.dat") << QByteArray("kapot") << "(5 bytes, verwacht 302)";
        QTest::newRow("kschema.dat empty")
            << QStringLiteral("kschema.dat") << QByteArray() << "(0 bytes, verwacht 128)";
        QTest::newRow("leden.cfg one byte short")
            << QStringLiteral("leden.cfg") << QByteArray(131, 'x') << "(131 bytes, verwacht 132)";
        QTest::newRow("instellst.dat one byte long")
            << QStringLiteral("instellst.dat") << QByteArray(235, '\x01')
            << "(235 bytes, verwacht 234)";
        QTest::newRow("logonaam.dat text file")
            << QStringLiteral("logonaam.dat") << QByteArray("/contribuutlogo.jpg\n")
            << "(20 bytes, verwacht 201)";
        QTest::newRow("konfigur.dat twice the size")
            << QStringLiteral("konfigur.dat") << QByteArray(832, '\x07')
            << "(832 bytes, verwacht 416)";
    }

    void wrongSizeIsReportedAndLeftAlone()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QString, sizes);

        Settings settings = settingsInTestFolder();
        const FileAccess& access = fileAccess()[fileName];
        const QString path =
            (access.inProgramDirectory ? configDir() : settings.DataDirectory()) + "/" + fileName;
        putFile(path, content);
        const QByteArray memoryBefore = access.memory(settings);

        const SettingsResult result = access.read(settings);

        QVERIFY(!result.ok);
        QVERIFY(!result.created);
        QCOMPARE(result.error, QStringLiteral("Het instellingenbestand %1 heeft een onjuiste "
                                              "grootte %2 en is niet gewijzigd.")
                                   .arg(path, sizes));
        QCOMPARE(fileBytes(path), content);
        QCOMPARE(access.memory(settings), memoryBefore);
    }

    void oneDamagedDataFileDoesNotStopTheOthers()
    {
        Settings settings = settingsInTestFolder();
        const QString captions = settings.DataDirectory() + "/leden.cfg";
        putFile(captions, "kapot");

        const SettingsResult result = settings.readDataDirectoryFiles(false);

        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(captions), qPrintable(result.error));
        QVERIFY(QFile::exists(settings.DataDirectory() + "/instellst.dat"));
        QVERIFY(QFile::exists(settings.DataDirectory() + "/logonaam.dat"));
        QCOMPARE(fileBytes(settings.DataDirectory() + "/konfigur.dat"), zeros(416));
        QCOMPARE(fileBytes(captions), QByteArray("kapot"));
    }

    void otherFileErrorsGiveDutchMessages()
    {
        Settings settings = settingsInTestFolder();
        const QString options = settings.DataDirectory() + "/konfigur.dat";
        QVERIFY(QDir().mkpath(options));
        const SettingsResult unreadable = settings.readOptions(true);
        QVERIFY(!unreadable.ok);
        QVERIFY2(unreadable.error.startsWith("Het instellingenbestand " + options +
                                             " kan niet worden gelezen"),
                 qPrintable(unreadable.error));

        // A file where the data directory should be: nothing can be created below it.
        putFile(dataDrive() + "/fondirex01", "geen map");
        settings.setAdministration(1);
        const SettingsResult blocked = settings.readMemberCaptions();
        QVERIFY(!blocked.ok);
        QCOMPARE(
            blocked.error,
            QStringLiteral("De map %1 voor het instellingenbestand kan niet worden aangemaakt.")
                .arg(dataDrive() + "/fondirex01"));
        // The file is missing, so its defaults are the right values even if unsaved.
        QVERIFY(settings.memberCaptions() == MemberFieldCaptions::defaults());
    }

    void writeReplacesTheFileAndKeepsWhatItStored()
    {
        Settings settings = settingsInTestFolder();
        QVERIFY(settings.readOptions(true).created);
        settings.options().LastBackupDirectory = QStringLiteral("/m").repeated(150);
        settings.options().AssociationName = QStringLiteral("Club “Ł”");
        QVERIFY(settings.writeOptions());

        const QDir directory(settings.DataDirectory());
        QCOMPARE(directory.entryList(QDir::Files), QStringList{"konfigur.dat"});
        QCOMPARE(fileBytes(directory.filePath("konfigur.dat")), settings.options().toBytes());
        QCOMPARE(settings.options().LastBackupDirectory.size(), 200);
        QCOMPARE(settings.options().AssociationName, QStringLiteral("Club “?”"));
    }

    void administrationFromDirectoryText_data()
    {
        QTest::addColumn<QString>("directoryText");
        QTest::addColumn<int>("administration");
        QTest::newRow("standard") << "/fondirex" << 0;
        QTest::newRow("first") << "/fondirex01" << 1;
        QTest::newRow("third") << "/fondirex03" << 3;
        QTest::newRow("fourth") << "/fondirex04" << 4;
        QTest::newRow("five is no administration") << "/fondirex05" << 0;
        QTest::newRow("zero") << "/fondirex00" << 0;
        QTest::newRow("old backslash text") << "\\fondirex02" << 2;
        QTest::newRow("any other name ending in 3") << "/boekhouding2023" << 3;
        QTest::newRow("empty") << "" << 0;
    }

    void administrationFromDirectoryText()
    {
        QFETCH(QString, directoryText);
        QFETCH(int, administration);
        QCOMPARE(LocationRecord::administrationFromDirectoryText(directoryText), administration);
    }

    void administrationSwitchPaths_data()
    {
        QTest::addColumn<int>("administration");
        QTest::addColumn<QString>("directoryText");
        QTest::newRow("0") << 0 << "/fondirex";
        QTest::newRow("1") << 1 << "/fondirex01";
        QTest::newRow("4") << 4 << "/fondirex04";
    }

    void administrationSwitchPaths()
    {
        QFETCH(int, administration);
        QFETCH(QString, directoryText);

        Settings settings(configDir());
        settings.location().DriveText = QStringLiteral("/srv/boek");
        settings.setAdministration(administration);
        QCOMPARE(settings.location().DirectoryText, directoryText);
        QCOMPARE(settings.administration(), administration);
        QCOMPARE(settings.DataDirectory(), "/srv/boek" + directoryText);
        QCOMPARE(settings.DatabaseFile(), "/srv/boek" + directoryText + "/fondirex.abs");
        QCOMPARE(settings.databaseFileFor(administration), settings.DatabaseFile());
    }

    void startsInTheAdministrationOfTheLocationFile()
    {
        putFile(configDir() + "/basedrive.dat", counted("/srv", 150) + counted("/fondirex03", 150));
        Settings settings;
        const SettingsResult result = settings.readLocation();
        QVERIFY2(result.ok, qPrintable(result.error));
        QVERIFY(!result.created);
        QCOMPARE(settings.administration(), 3);
        QCOMPARE(settings.DataDirectory(), QStringLiteral("/srv/fondirex03"));
        QCOMPARE(settings.DatabaseFile(), QStringLiteral("/srv/fondirex03/fondirex.abs"));
    }

    void optionsFileSwitchesAmountFormat_data()
    {
        QTest::addColumn<char>("dutchAmounts");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Dutch") << '\x01' << "1.234,50";
        QTest::newRow("standard") << '\x00' << "1,234.50";
    }

    void optionsFileSwitchesAmountFormat()
    {
        QFETCH(char, dutchAmounts);
        QFETCH(QString, shown);

        AmountFormat::setDutchAmounts(dutchAmounts == 0);
        Settings settings = settingsInTestFolder();
        putFile(settings.DataDirectory() + "/konfigur.dat",
                QByteArray(1, dutchAmounts) + zeros(OptionsRecord::Size - 1));
        QVERIFY(settings.readOptions(true));
        QCOMPARE(AmountFormat::format(1234.5), shown);
    }

    void associationNameIsLimitedTo40Characters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kept");
        const QString forty = QStringLiteral("Vereniging Één voor ").repeated(2);
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("40 characters") << forty << forty;
        QTest::newRow("41 characters") << forty + "x" << forty;
        QTest::newRow("60 characters") << forty + QString(20, 'y') << forty;
    }

    void associationNameIsLimitedTo40Characters()
    {
        QFETCH(QString, name);
        QFETCH(QString, kept);

        Settings settings = settingsInTestFolder();
        settings.setAssociationName(name);
        QCOMPARE(settings.AssociationName(), kept);
        QVERIFY(settings.writeOptions());

        const QByteArray stored = fileBytes(settings.DataDirectory() + "/konfigur.dat");
        QCOMPARE(stored.sliced(213, 201), counted(Win1252Codec::encode(kept), 200));
        Settings reread = settingsInTestFolder();
        QVERIFY(reread.readOptions(true));
        QCOMPARE(reread.AssociationName(), kept);
    }

    void longAssociationNameInFileIsCutOnReading()
    {
        Settings settings = settingsInTestFolder();
        putFile(settings.DataDirectory() + "/konfigur.dat",
                zeros(213) + counted(QByteArray(60, 'a'), 200) + zeros(2));
        QVERIFY(settings.readOptions(true));
        QCOMPARE(settings.AssociationName(), QString(40, 'a'));
    }

    void logoFileUsesTheLastNineteenCharacters_data()
    {
        QTest::addColumn<QString>("logoName");
        QTest::addColumn<QString>("tail");
        QTest::newRow("default") << "/contribuutlogo.jpg"
                                 << "/contribuutlogo.jpg";
        QTest::newRow("bitmap in another directory") << "/home/ander/oude map/contribuutlogo.bmp"
                                                     << "/contribuutlogo.bmp";
        QTest::newRow("shorter name") << "/logo.png"
                                      << "/logo.png";
    }

    void logoFileUsesTheLastNineteenCharacters()
    {
        QFETCH(QString, logoName);
        QFETCH(QString, tail);

        Settings settings = settingsInTestFolder();
        putFile(settings.DataDirectory() + "/logonaam.dat",
                counted(logoName.toLatin1(), LogoNameRecord::NameCapacity));
        QVERIFY(settings.readLogoName());
        QCOMPARE(settings.LogoFile(), settings.DataDirectory() + tail);
    }

    void logoSizeRule_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("wide, twice the box") << QSize(710, 300) << QSize(355, 150);
        QTest::newRow("tall, 37.5 rounds to even 38") << QSize(100, 400) << QSize(38, 150);
        QTest::newRow("tall, 112.5 rounds to even 112") << QSize(300, 400) << QSize(112, 150);
        QTest::newRow("wide, 2.5 rounds to even 2") << QSize(710, 5) << QSize(355, 2);
        QTest::newRow("small keeps its size") << QSize(300, 100) << QSize(300, 100);
        QTest::newRow("exactly the box") << QSize(355, 150) << QSize(355, 150);
        QTest::newRow("one wider than the box") << QSize(356, 150) << QSize(355, 150);
        QTest::newRow("one higher than the box") << QSize(355, 151) << QSize(353, 150);
        QTest::newRow("wide but still too high") << QSize(400, 300) << QSize(200, 150);
        QTest::newRow("square") << QSize(600, 600) << QSize(150, 150);
        QTest::newRow("no picture") << QSize(0, 0) << QSize(0, 0);
    }

    void logoSizeRule()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, shown);
        QCOMPARE(LogoSizeRule::fit(picture), shown);

        Settings settings(configDir());
        settings.fitLogo(picture);
        QCOMPARE(QSize(settings.LogoWidth(), settings.LogoHeight()), shown);
    }

    void locatesProgramDirectory_data()
    {
        QTest::addColumn<QString>("ownVariable");
        QTest::addColumn<QString>("xdgVariable");
        QTest::addColumn<QString>("expected");
        QTest::newRow("own variable wins") << "/etc/fx/"
                                           << "/xdg"
                                           << "/etc/fx";
        QTest::newRow("XDG config home") << ""
                                         << "/xdg"
                                         << "/xdg/fondirex";
        QTest::newRow("relative XDG config home is ignored")
            << ""
            << "xdg" << m_home + "/.config/fondirex";
        QTest::newRow("neither") << ""
                                 << "" << m_home + "/.config/fondirex";
    }

    void locatesProgramDirectory()
    {
        QFETCH(QString, ownVariable);
        QFETCH(QString, xdgVariable);
        QFETCH(QString, expected);

        qputenv("FONDIREX_CONFIG_DIR", ownVariable.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", xdgVariable.toLocal8Bit());
        QCOMPARE(Settings::locateProgramDirectory(), expected);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "test_settings_files.moc"
