#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace lumbrell::testing {

// One record as the tests write it: text fields, GBK-encoded and padded.
struct FixtureRecord {
    QString hanzi;
    QString code1, code2, code3;
    QString info1, info2, info3, info4;
};

// The bytes of one record. Fields longer than their width are cut.
QByteArray recordBytes(const FixtureRecord& record);

// A seed-point field: groups of x and y, each right-aligned in four characters.
QString points(std::initializer_list<std::pair<int, int>> xy);

// A data folder of the program's shape in a temporary directory: wwbb11.dat
// (records written in the order given) and bmp/.
class FixtureFolder {
public:
    FixtureFolder();
    QString path() const { return dir_.path(); }
    QString dataFile() const { return dir_.path() + QStringLiteral("/wwbb11.dat"); }

    void writeRecords(const std::vector<FixtureRecord>& records);
    void writeBytes(const QByteArray& bytes);
    void writeDrawing(const QString& character, const QImage& image);

private:
    QTemporaryDir dir_;
};

// A record for every CJK ideograph of GBK (20,902, about the real file's
// 20,924), ascending like the real file, each with the codes of 峰 and the
// given seed points at all four positions: the search then makes its real
// number of probes.
std::vector<FixtureRecord> everyGbkHanziRecord(const QString& seeds);

// A 112 × 113 drawing with two separate grey blocks (the left one in grey 128
// at pixels 10–40 × 10–100, the right one in grey 160 at 60–100 × 10–100) on
// white, so that fills at their seeds blacken exactly one block each.
QImage twoBlockDrawing();

} // namespace lumbrell::testing
