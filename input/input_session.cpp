#include "input/input_session.h"

#include "formats/data_files.h"
#include "input/syllable_key.h"
#include "store/gbk.h"
#include "store/spaces.h"
#include "tables/characters.h"

#include <QDir>

namespace lumbrell {

InputSession::InputSession(const TableTexts& tables) : dictionary_(tables) {}

bool InputSession::open(const QString& dataFolder, QString* error)
{
    const QDir folder(dataFolder);
    drawings_ = DrawingStore(folder.filePath(QLatin1String(datafiles::DrawingFolder)));
    return dictionary_.open(folder.filePath(QLatin1String(datafiles::RecordFile)), error);
}

void InputSession::show(SessionView next)
{
    if (!next.lookupChanged && !next.readingChanged && !next.candidatesListed && !next.focusCandidates)
        return;
    view_ = std::move(next);
    if (viewChanged)
        viewChanged(view_);
}

bool InputSession::isShown(const QString& character) const
{
    return view_.lookup.outcome != CharacterLookup::Outcome::None && view_.lookup.character == character;
}

void InputSession::lookUpInto(SessionView& next, const QString& character)
{
    if (character.isEmpty())
        return;
    next.lookup = lookUpCharacter(dictionary_, drawings_, character, devicePixelRatio_);
    next.lookupChanged = true;
    if (!next.lookup.unusableDrawings.isEmpty() && !drawingFaultTold_) {
        drawingFaultTold_ = true;
        next.drawingFault = next.lookup.unusableDrawings;
    }
}

void InputSession::readingInto(SessionView& next, const QString& text) const
{
    if (!isBlank(text))
        setReading(next, dictionary_.reading(text));
}

void InputSession::setReading(SessionView& next, const QString& reading)
{
    if (next.reading == reading)
        return;
    next.reading = reading;
    next.readingChanged = true;
}

SessionView InputSession::nextView() const
{
    // Every action starts from the view shown, with nothing changed yet.
    SessionView next = view_;
    next.lookupChanged = next.readingChanged = next.candidatesListed = next.focusCandidates = false;
    next.drawingFault.clear();
    return next;
}

void InputSession::lookUpFirstCharacter(const QString& text)
{
    if (isBlank(text))
        return;
    SessionView next = nextView();
    const QString first = firstCharacter(text).toString();
    lookUpInto(next, first);
    readingInto(next, first);
    show(std::move(next));
}

void InputSession::pickText(const QString& picked)
{
    SessionView next = nextView();
    if (characterCount(picked) == 1 && !isBlank(picked))
        lookUpInto(next, picked);
    readingInto(next, picked);
    show(std::move(next));
}

void InputSession::takeCharacterBefore(const QString& text, qsizetype caret)
{
    const QString before = characterBefore(text, caret).toString();
    if (isBlank(before))
        return;
    SessionView next = nextView();
    // The release of the key that typed the character shown looks up nothing more.
    if (!isShown(before))
        lookUpInto(next, before);
    readingInto(next, before);
    show(std::move(next));
}

void InputSession::searchStrokes(const QString& strokeKey)
{
    SessionView next = nextView();
    // A key without a first stroke names no table: the candidates stay.
    if (std::optional<QStringList> found = dictionary_.charactersWithStrokes(strokeKey)) {
        next.candidates = std::move(*found);
        next.candidatesListed = true;
    }
    if (next.candidates.isEmpty()) {
        setReading(next, QString());
    } else {
        const QString first = next.candidates.first();
        readingInto(next, first);
        lookUpInto(next, first);
        next.focusCandidates = true;
    }
    show(std::move(next));
}

void InputSession::searchSyllable(const QString& text, bool chosen)
{
    if (isBlank(text))
        return;
    SessionView next = nextView();
    // Pinyin is written in small letters; a capital is taken as one.
    const QString syllable = text.toLower();
    // A key that fits no syllable field, or names no table, leaves the candidates.
    if (const std::optional<QString> key = syllableKey(syllable)) {
        if (std::optional<QStringList> found = dictionary_.charactersWithSyllable(*key)) {
            next.candidates = std::move(*found);
            next.candidatesListed = true;
        }
    }
    if (!next.candidates.isEmpty()) {
        setReading(next, syllable);
        lookUpInto(next, next.candidates.first());
        next.focusCandidates = chosen;
    }
    show(std::move(next));
}

} // namespace lumbrell
