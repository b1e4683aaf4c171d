#pragma once
#include "tools/sources/source_set.h"

#include <QString>
#include <QStringList>

namespace lumbrell::data {

// Where each public source lies once scripts/fetch-sources.sh has run.
struct SourcePaths {
    QString wubiTable;      // fcitx5-table-wubi98-single: wubi98-single.main.dict
    QString cncharOrder;    // npm cnchar-order: cnchar.order.min.js
    QString hanziWriterDir; // npm hanzi-writer-data: <char>.json
    QString rimeStroke;     // rime-data-stroke: stroke.dict.yaml
    QString lunaPinyin;     // rime-data-luna-pinyin: luna_pinyin.dict.yaml
    QString pinyinSimp;     // rime-data-pinyin-simp: pinyin_simp.dict.yaml

    static SourcePaths standard(const QString& cacheDir, const QString& rimeDir);
};

// Reads the GBK characters the Wubi 98 table codes, their codes and stroke classes.
// False with *error naming the source and what to do when one is missing or unusable.
bool loadSourceSet(const SourcePaths& paths, SourceSet& sources, QStringList& report, QString* error);

} // namespace lumbrell::data
