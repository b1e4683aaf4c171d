// Start-up of the main window in process: the embedded tables, the data file,
// the window's construction with its start-up steps, and its first paint.
#include "app/main_window.h"
#include "store/gbk.h"
#include "tables/table_texts.h"
#include "tests/support/fixture_data.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;

namespace {

// The built data when this build folder has it, otherwise a fixture of the
// same number of records with one drawing.
QString dataFolder(FixtureFolder& fixture)
{
    // The built program's folder (bin) lies beside the data build's folder.
    const QString built = QDir::cleanPath(QStringLiteral(LUMBRELL_DATA_DIR "/../bin"));
    if (QFile::exists(built + QStringLiteral("/wwbb11.dat")))
        return built;
    fixture.writeRecords(everyGbkHanziRecord(QString()));
    return fixture.path();
}

void showAndPaint(MainWindow& form)
{
    form.show();
    form.repaint(); // the first paint of the window and every control, done now
}

} // namespace

class StartupBench : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void wholeStartUp();
    void windowToFirstPaint();

private:
    FixtureFolder fixture_;
    QString folder_;
    TableTexts tables_;
};

void StartupBench::initTestCase()
{
    folder_ = dataFolder(fixture_);
    QString problems;
    tables_ = loadEmbeddedTables(&problems);
    qInfo("data: %s; tables: %s", qPrintable(folder_), problems.isEmpty() ? "embedded" : "not in this build");
    // Fonts and styles are loaded once per process: the first start-up, as the
    // program makes it, is reported here and kept out of the repeated measurement.
    QElapsedTimer cold;
    cold.start();
    MainWindow first(folder_, loadEmbeddedTables());
    showAndPaint(first);
    qInfo("first start-up in this process: %lld ms", static_cast<long long>(cold.elapsed()));
}

void StartupBench::wholeStartUp()
{
    QBENCHMARK {
        const TableTexts tables = loadEmbeddedTables();
        MainWindow form(folder_, tables);
        showAndPaint(form);
    }
}

void StartupBench::windowToFirstPaint()
{
    QBENCHMARK {
        MainWindow form(folder_, tables_);
        showAndPaint(form);
    }
}

QTEST_MAIN(StartupBench)
#include "bench_startup.moc"
