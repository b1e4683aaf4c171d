#pragma once

#include <QString>
#include <QStringView>

namespace lumbrell {

// Trimming removes spaces (code 32) only, at both ends; no other character
// counts as a space.
inline QString trimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin).toString();
}

// A text is blank when it is empty once trimmed.
inline bool isBlank(QStringView text)
{
    return trimSpaces(text).isEmpty();
}

} // namespace lumbrell
