#include "input/input_session.h"

#include "formats/data_files.h"
#include "formats/position_roots_format.h"
#include "input/syllable_key.h"
#include "input/syllable_spelling.h"
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
    if (!dictionary_.open(folder.filePath(QLatin1String(datafiles::RecordFile)), error))
        return false;
    // Data built before the roots were written has none.
    QString noRoots;
    positionRoots_.read(folder.filePath(QLatin1String(positionroots::FileName)), &noRoots);
    return true;
}

void InputSession::show(SessionView next)
{
    if (!next.lookupChanged && !next.readingChanged && !next.candidatesListed && !next.focusCandidates
        && !next.wordChanged)
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
    next.lookup = lookUpCharacter(dictionary_, drawings_, positionRoots_, character, devicePixelRatio_);
    next.lookupChanged = true;
    // The word line stays while the window shows one of the word's characters.
    if (next.word && !next.word->word.contains(next.lookup.character)) {
        next.word.reset();
        next.wordChanged = true;
    }
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
    next.lookupChanged = next.readingChanged = next.candidatesListed = next.focusCandidates = next.wordChanged = false;
    next.drawingFault.clear();
    return next;
}

void InputSession::lookUpFirstCharacter(const QString& text)
{
    SessionView next = nextView();
    if (!isBlank(text)) {
        const QString first = firstCharacter(text).toString();
        lookUpInto(next, first);
        readingInto(next, first);
    }
    // After the lookup of the text's first character, which may lie before
    // the word received.
    receiveEntryInto(next, text);
    show(std::move(next));
}

void InputSession::receiveEntryInto(SessionView& next, const QString& text)
{
    const QString received = trimSpaces(insertedText(entryText_, text));
    entryText_ = text;
    if (isWord(received)) {
        next.word = wordCodeOf(dictionary_, received);
        next.wordChanged = true;
    } else if (next.word) {
        next.word.reset();
        next.wordChanged = true;
    }
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
    // The spelling stands for a syllable as the chooser writes it (lv: lu,
    // ma3: ma). One that stands for none, such as a syllable still being
    // typed, leaves the candidates, the pinyin and the pictures as they were.
    const std::optional<QString> syllable = chooserSyllableOf(text);
    if (!syllable)
        return;
    SessionView next = nextView();
    // A key that fits no syllable field, or names no table, leaves the candidates.
    if (const std::optional<QString> key = syllableKey(*syllable)) {
        if (std::optional<QStringList> found = dictionary_.charactersWithSyllable(*key)) {
            next.candidates = std::move(*found);
            next.candidatesListed = true;
        }
    }
    if (!next.candidates.isEmpty()) {
        setReading(next, *syllable);
        lookUpInto(next, next.candidates.first());
        next.focusCandidates = chosen;
    }
    show(std::move(next));
}

} // namespace lumbrell
