#include "tools/data/data_build.h"

#include "formats/data_files.h"
#include "formats/record_layout.h"
#include "formats/table_line_format.h"
#include "tools/data/pinyin_choice.h"
#include "tools/data/pinyin_source.h"
#include "tools/data/record_writer.h"
#include "tools/data/staging_folder.h"
#include "tools/data/table_writer.h"
#include "tables/syllables.h"

#include "tools/pictures/picture_stage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>

namespace lumbrell::data {

namespace {
// Files go into the staging folder, which moves in whole: no per-file atomic save
// (and none of its syncs to disk) is needed.
bool writeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        *error = QStringLiteral("%1: cannot be written (%2)").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool writeRecords(const SourceSet& sources, const std::vector<std::array<QByteArray, 4>>& info,
                  const QString& path, QString* error)
{
    QByteArray file;
    file.reserve(qsizetype(sources.chars.size()) * record::Size);
    for (size_t i = 0; i < sources.chars.size(); ++i) {
        const std::optional<QByteArray> record = charRecord(sources.chars[i], info[i], error);
        if (!record)
            return false;
        file += *record;
    }
    return writeFile(path, file, error);
}

QString strokeTableCounts(int table, const QByteArray& text)
{
    constexpr qsizetype lineBytes = tablelines::StrokeLineBytes;
    int byStrokes[5] = {};
    for (qsizetype at = 0; at + lineBytes <= text.size(); at += lineBytes) {
        const QByteArray code = text.mid(at + tablelines::CharacterBytes, tablelines::StrokeCodeDigits);
        const int strokes = int(code.indexOf('0'));
        ++byStrokes[strokes < 0 ? 4 : std::max(strokes - 1, 0)];
    }
    return QStringLiteral("%1: %2 lines; 1 stroke %3, 2 strokes %4, 3 strokes %5, 4 strokes %6, 5 or more %7")
        .arg(datafiles::strokeTableStem(table)).arg(text.size() / lineBytes)
        .arg(byStrokes[0]).arg(byStrokes[1]).arg(byStrokes[2]).arg(byStrokes[3]).arg(byStrokes[4]);
}

QString pinyinTableCounts(int table, const QByteArray& text)
{
    constexpr qsizetype lineBytes = tablelines::PinyinLineBytes;
    const qsizetype entries = text.size() / lineBytes - 1; // less the closing line
    QSet<QByteArray> syllables;
    for (qsizetype i = 0; i < entries; ++i)
        syllables.insert(text.mid(i * lineBytes + tablelines::CharacterBytes, tablelines::SyllableFieldWidth));
    return QStringLiteral("%1: %2 entry lines, %3 syllables").arg(datafiles::pinyinTableStem(table)).arg(entries).arg(syllables.size());
}

bool writeTables(const SourceSet& sources, const std::vector<PinyinLine>& pinyinLines, const QString& dir,
                 QStringList& report, QString* error)
{
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("%1: cannot be created").arg(dir);
        return false;
    }
    const std::array<QByteArray, 5> pinyin = pinyinTables(pinyinLines);
    const std::array<QByteArray, 5> strokes = strokeTables(sources.chars);
    for (int n = 0; n < 5; ++n) {
        if (!writeFile(dir + u'/' + datafiles::pinyinTableName(n), pinyin[size_t(n)], error)
            || !writeFile(dir + u'/' + datafiles::strokeTableName(n), strokes[size_t(n)], error))
            return false;
        report << pinyinTableCounts(n, pinyin[size_t(n)]);
    }
    for (int n = 0; n < 5; ++n)
        report << strokeTableCounts(n, strokes[size_t(n)]);
    return true;
}

bool requireDebianFile(const QString& path, const QString& package, QString* error)
{
    if (QFileInfo(path).isFile())
        return true;
    *error = QStringLiteral("Debian package %1: %2 is missing; install it (scripts/setup.sh does, or "
                            "apt-get install %1)").arg(package, path);
    return false;
}

// Every syllable of the chooser must list a character, or choosing it lists nothing.
void reportSyllablesWithoutLines(const std::vector<PinyinLine>& lines, QStringList& report)
{
    QSet<QString> listed;
    for (const PinyinLine& line : lines)
        listed.insert(line.syllable);
    QStringList empty;
    for (const QString& syllable : lumbrell::chooserSyllables())
        if (!listed.contains(syllable))
            empty << syllable;
    report << QStringLiteral("pinyin: %1 of the chooser's %2 syllables list no character: %3")
                  .arg(empty.size()).arg(lumbrell::chooserSyllables().size()).arg(empty.join(u' '));
}

bool runPictures(const SourceSet& sources, const QString& dir, std::vector<std::array<QByteArray, 4>>& info,
                 QStringList& report, QString* error)
{
    return runPictureStage(sources, dir, info, report, error);
}
} // namespace

bool buildData(const SourcePaths& paths, const QString& outputDir, QString* error)
{
    QElapsedTimer timer;
    timer.start();
    QStringList report;
    SourceSet sources;
    if (!loadSourceSet(paths, sources, report, error))
        return false;

    if (!requireDebianFile(paths.pinyinSimp, QStringLiteral("rime-data-pinyin-simp"), error)
        || !requireDebianFile(paths.lunaPinyin, QStringLiteral("rime-data-luna-pinyin"), error))
        return false;
    const std::optional<SimplifiedReadings> simp = readPinyinSimp(paths.pinyinSimp, error);
    if (!simp)
        return false;
    const std::optional<ReadingMap> luna = readLunaPinyin(paths.lunaPinyin, error);
    if (!luna)
        return false;
    const std::optional<UsualReadings> usualReadings = builtInUsualReadings(error);
    if (!usualReadings)
        return false;
    for (CharEntry& entry : sources.chars)
        entry.frequency = simp->weights.value(entry.ch);
    const std::vector<PinyinLine> pinyinLines = listEverySyllable(
        choosePinyinLines(sources.chars, simp->readings, *luna, *usualReadings, report), sources.chars, simp->readings,
        *luna, report);
    reportSyllablesWithoutLines(pinyinLines, report);

    StagingFolder staging(outputDir);
    if (!staging.create(error))
        return false;
    std::vector<std::array<QByteArray, 4>> info(sources.chars.size());
    if (!runPictures(sources, staging.path(), info, report, error))
        return false;
    if (info.size() != sources.chars.size()) {
        *error = QStringLiteral("the picture stage gave %1 fill-point sets for %2 characters")
                     .arg(info.size()).arg(sources.chars.size());
        return false;
    }
    const QDir out(staging.path());
    if (!writeRecords(sources, info, out.filePath(QLatin1String(datafiles::RecordFile)), error)
        || !writeTables(sources, pinyinLines, out.filePath(QLatin1String(datafiles::TableFolder)), report, error))
        return false;

    report << QStringLiteral("records: %1 in %2").arg(sources.chars.size()).arg(QLatin1String(datafiles::RecordFile))
           << QStringLiteral("build time: %1 s").arg(double(timer.elapsed()) / 1000.0, 0, 'f', 1);
    if (!writeFile(staging.path() + QStringLiteral("/report.txt"), (report.join(u'\n') + u'\n').toUtf8(), error))
        return false;
    return staging.commit(error);
}

} // namespace lumbrell::data
