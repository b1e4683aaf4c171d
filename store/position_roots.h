#pragma once
// The roots (码元) each code position of a character marks, read from the
// position-roots file the data build writes (formats/position_roots_format.h).

#include <QHash>
#include <QString>
#include <QStringList>

namespace lumbrell {

struct CharacterRoots {
    QString fullCode;
    QStringList positions; // one per letter of fullCode: the root, "id" or "-"

    bool isEmpty() const { return positions.isEmpty(); }
};

class PositionRoots {
public:
    // Reads the file at path. False with *problem naming the file where it
    // cannot be read; a line of the wrong shape is passed over.
    bool read(const QString& path, QString* problem);

    // The roots of a character; empty where the file does not list it.
    CharacterRoots of(const QString& character) const { return byCharacter_.value(character); }
    qsizetype size() const { return byCharacter_.size(); }

private:
    QHash<QString, CharacterRoots> byCharacter_;
};

} // namespace lumbrell
