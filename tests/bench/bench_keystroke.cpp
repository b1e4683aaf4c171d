// A keystroke's whole chain: a character typed into the entry box and its key
// released, through the lookup, the pinyin and the repaint of the window. On
// the built data when this build has it, else on records of the real count.
#include "app/main_window.h"
#include "tests/support/main_window_controls.h"
#include "store/gbk.h"
#include "tables/table_texts.h"
#include "tests/support/fixture_data.h"

#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;

class KeystrokeBench : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void typedCharacter_data();
    void typedCharacter();

private:
    FixtureFolder fixture_;
    std::unique_ptr<MainWindow> form_;
};

void KeystrokeBench::initTestCase()
{
    QString folder = QStringLiteral(LUMBRELL_DATA_DIR);
    if (!QFile::exists(folder + QStringLiteral("/wwbb11.dat"))) {
        fixture_.writeRecords(everyGbkHanziRecord(points({{300, 600}, {1200, 600}})));
        fixture_.writeDrawing(QStringLiteral("峰"), twoBlockDrawing());
        folder = fixture_.path();
    }
    qInfo("data: %s", qPrintable(folder));
    form_ = std::make_unique<MainWindow>(folder, loadEmbeddedTables());
    form_->messageBox = [](const QString&, const QString&) {};
    form_->notice = form_->messageBox;
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    designControl<QLineEdit>(*form_, "Text5")->setFocus();
}

void KeystrokeBench::typedCharacter_data()
{
    QTest::addColumn<QString>("character");
    QTest::newRow("found") << QStringLiteral("峰");
    QTest::newRow("not found") << QStringLiteral("〇");
}

void KeystrokeBench::typedCharacter()
{
    QFETCH(QString, character);
    QBENCHMARK {
        designControl<QLineEdit>(*form_, "Text5")->setText(QString());
        QInputMethodEvent typed;
        typed.setCommitString(character);
        QCoreApplication::sendEvent(designControl<QLineEdit>(*form_, "Text5"), &typed);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier);
        QCoreApplication::sendEvent(designControl<QLineEdit>(*form_, "Text5"), &release);
        form_->repaint(); // the frame that shows it
    }
}

QTEST_MAIN(KeystrokeBench)
#include "bench_keystroke.moc"
