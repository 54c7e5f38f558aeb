// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppDir.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class tst_AppDir : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void quillonHomeWins();
    void currentFolderWithData();
    void userFolderPreparedFromShippedFolders();
    void preparationNeverOverwritesUserFiles();
    void failuresAreReportedNotThrown();

private:
    static void write(const QString &path, const QByteArray &content);
    static QByteArray read(const QString &path);
    // A fake build tree: an executable folder with DATA/ and HELP/ beside it.
    void makeShipped(const QString &dir);

    QByteArray FHome, FDataHome;
    QString FCurrent;
    QTemporaryDir FTemp;
};

void tst_AppDir::write(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray tst_AppDir::read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void tst_AppDir::makeShipped(const QString &dir)
{
    write(dir + "/DATA/tags.db", "shipped tags");
    write(dir + "/DATA/links.db", "shipped links");
    write(dir + "/HELP/index.htm", "<html>help</html>");
    write(dir + "/HELP/images/logo.png", "png");
}

void tst_AppDir::initTestCase()
{
    FHome = qgetenv("QUILLON_HOME");
    FDataHome = qgetenv("XDG_DATA_HOME");
    FCurrent = QDir::currentPath();
}

void tst_AppDir::init()
{
    QVERIFY(FTemp.isValid());
    AppDir::ResetForTesting();
    qunsetenv("QUILLON_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(FTemp.path() + "/xdg data"));
    QDir().mkpath(FTemp.path() + "/empty");
    QDir::setCurrent(FTemp.path() + "/empty");
}

void tst_AppDir::cleanup()
{
    qputenv("QUILLON_HOME", FHome);
    qputenv("XDG_DATA_HOME", FDataHome);
    QDir::setCurrent(FCurrent);
    AppDir::ResetForTesting();
    QDir(FTemp.path()).removeRecursively();
    QDir().mkpath(FTemp.path());
}

void tst_AppDir::quillonHomeWins()
{
    const QString home = FTemp.path() + "/Portable Quillon";
    qputenv("QUILLON_HOME", QFile::encodeName(home + "/"));
    // A DATA folder in the current directory does not matter when it is set.
    QDir().mkpath(FTemp.path() + "/empty/DATA");

    QCOMPARE(AppDir::Prepare(), QString());
    QCOMPARE(AppDir::Path(), home);
    QCOMPARE(AppDir::DataDir(), home + "/DATA");
    QCOMPARE(AppDir::HelpDir(), home + "/HELP");
    QCOMPARE(AppDir::WebPagesDir(), home + "/WEB PAGES");
    QVERIFY(QFileInfo(home).isDir());
    QVERIFY(QFileInfo(home + "/WEB PAGES").isDir());

    // Resolved once: a later change of the environment is not seen ...
    qputenv("QUILLON_HOME", QFile::encodeName(FTemp.path() + "/other"));
    QCOMPARE(AppDir::Path(), home);
    // ... until the cache is cleared.
    AppDir::ResetForTesting();
    QCOMPARE(AppDir::Path(), FTemp.path() + "/other");
}

void tst_AppDir::currentFolderWithData()
{
    const QString work = FTemp.path() + "/Web Work";
    QDir().mkpath(work + "/DATA");
    QDir::setCurrent(work);
    QCOMPARE(AppDir::Prepare(), QString());
    QCOMPARE(AppDir::Path(), work);
    QVERIFY(QFileInfo(work + "/WEB PAGES").isDir());
    // Nothing was prepared in the per-user folder.
    QVERIFY(!QFileInfo::exists(FTemp.path() + "/xdg data/quillon"));

    // A folder named "data" is not the DATA folder on a case-sensitive system.
    AppDir::ResetForTesting();
    const QString lower = FTemp.path() + "/lower";
    QDir().mkpath(lower + "/data");
    QDir::setCurrent(lower);
    QCOMPARE(AppDir::Path(), FTemp.path() + "/xdg data/quillon");
}

void tst_AppDir::userFolderPreparedFromShippedFolders()
{
    // Shipped folders are found under an installed prefix or in a build tree.
    const QString prefix = FTemp.path() + "/usr";
    makeShipped(prefix + "/share/quillon");
    QDir().mkpath(prefix + "/bin");
    QCOMPARE(AppDir::ShippedDirBeside(prefix + "/bin"), prefix + "/share/quillon");
    const QString build = FTemp.path() + "/build";
    makeShipped(build);
    QCOMPARE(AppDir::ShippedDirBeside(build), build);
    QCOMPARE(AppDir::ShippedDirBeside(FTemp.path() + "/empty"), QString());

    AppDir::SetExecutableDirForTesting(prefix + "/bin");
    const QString user = FTemp.path() + "/xdg data/quillon";
    QCOMPARE(AppDir::Prepare(), QString());
    QCOMPARE(AppDir::Path(), user);
    QCOMPARE(read(user + "/DATA/tags.db"), QByteArray("shipped tags"));
    QCOMPARE(read(user + "/DATA/links.db"), QByteArray("shipped links"));
    QCOMPARE(read(user + "/HELP/index.htm"), QByteArray("<html>help</html>"));
    QCOMPARE(read(user + "/HELP/images/logo.png"), QByteArray("png"));
    QVERIFY(QFileInfo(user + "/WEB PAGES").isDir());
}

void tst_AppDir::preparationNeverOverwritesUserFiles()
{
    const QString build = FTemp.path() + "/build";
    const QString user = FTemp.path() + "/xdg data/quillon";
    makeShipped(build);
    // The user's own link catalogue and a page of theirs exist already.
    write(user + "/DATA/links.db", "my links");
    write(user + "/WEB PAGES/mine.htm", "my page");
    // Installed files are often read-only.
    QFile::setPermissions(build + "/DATA/tags.db", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    AppDir::SetExecutableDirForTesting(build);
    QCOMPARE(AppDir::Prepare(), QString());
    QCOMPARE(read(user + "/DATA/links.db"), QByteArray("my links"));
    QCOMPARE(read(user + "/WEB PAGES/mine.htm"), QByteArray("my page"));
    // Missing files are completed ...
    QCOMPARE(read(user + "/DATA/tags.db"), QByteArray("shipped tags"));
    QVERIFY(QFileInfo(user + "/DATA/tags.db").permissions() & QFile::WriteOwner);
    QCOMPARE(read(user + "/HELP/index.htm"), QByteArray("<html>help</html>"));

    // ... also later, when a newer program ships a table the user lacks;
    // the program's own tables and help pages follow the shipped copy
    // whenever it changes, the user's links do not.
    QFile::setPermissions(build + "/DATA/tags.db", QFile::ReadOwner | QFile::WriteOwner);
    const QDateTime shippedTime = QFileInfo(build + "/DATA/tags.db").lastModified();
    QCOMPARE(QFileInfo(user + "/DATA/tags.db").lastModified(), shippedTime);
    write(build + "/DATA/tags.db", "shipped tags 2");
    {
        // Same size, another time: a rebuilt table.
        write(build + "/HELP/index.htm", "<html>HELP</html>");
        QFile page(build + "/HELP/index.htm");
        QVERIFY(page.open(QIODevice::ReadWrite));
        QVERIFY(page.setFileTime(shippedTime.addSecs(3600), QFileDevice::FileModificationTime));
    }
    write(build + "/DATA/links.db", "shipped links 2");
    write(build + "/DATA/tmpl.db", "templates");
    AppDir::ResetForTesting();
    AppDir::SetExecutableDirForTesting(build);
    QCOMPARE(AppDir::Prepare(), QString());
    QCOMPARE(read(user + "/DATA/tags.db"), QByteArray("shipped tags 2"));
    QCOMPARE(read(user + "/HELP/index.htm"), QByteArray("<html>HELP</html>"));
    QCOMPARE(read(user + "/DATA/links.db"), QByteArray("my links"));
    QVERIFY(!QFileInfo::exists(user + "/DATA/tags.db.partial"));
    QCOMPARE(read(user + "/DATA/tmpl.db"), QByteArray("templates"));
}

void tst_AppDir::failuresAreReportedNotThrown()
{
    // Nothing shipped and nothing prepared: the tables cannot be found.
    AppDir::SetExecutableDirForTesting(FTemp.path() + "/empty");
    const QString user = FTemp.path() + "/xdg data/quillon";
    const QString missing = AppDir::Prepare();
    QVERIFY2(missing.startsWith("Can not prepare the program folder"), qPrintable(missing));
    QVERIFY(missing.contains("DATA"));
    QCOMPARE(AppDir::Error(), missing);
    QCOMPARE(AppDir::Path(), user);
    QVERIFY(QFileInfo(user + "/WEB PAGES").isDir());

    // A file stands where a shipped folder must go.
    AppDir::ResetForTesting();
    const QString build = FTemp.path() + "/build";
    makeShipped(build);
    QDir(user).removeRecursively();
    write(user + "/HELP", "not a folder");
    AppDir::SetExecutableDirForTesting(build);
    const QString blocked = AppDir::Prepare();
    QVERIFY2(blocked.startsWith("Can not create the folder"), qPrintable(blocked));
    QVERIFY(blocked.contains(user + "/HELP"));
    // What could be copied was copied.
    QCOMPARE(read(user + "/DATA/tags.db"), QByteArray("shipped tags"));
    QCOMPARE(read(user + "/HELP"), QByteArray("not a folder"));
}

QTEST_MAIN(tst_AppDir)
#include "tst_AppDir.moc"
