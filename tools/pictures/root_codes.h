#pragma once
#include "tools/pictures/root_table.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace lumbrell::data {

// A character's own full code and stroke classes.
struct OwnCode {
    QString fullCode;
    QString classes;
};

// Whether a root that is itself a character agrees with that character's
// code: a component is typed as its key and then its first, second and last
// single strokes (八 wty, 五 gghg), or as four times its key (王 gggg); a
// single stroke as key, key, "ll". A few components are typed with single
// strokes other than their classes name (犭 qttt, 礻 pyyy): key and single
// strokes still pass. 丰 dhk fails: it is 三 and 丨, not a root.
bool rootAgreesWithCode(const Root& root, const OwnCode& own);

// The roots whose glyph is a character of codes and which disagree with its
// code, one message each.
QStringList rootsAgainstTheirCodes(const RootTable& table, const QHash<QString, OwnCode>& codes);

}
