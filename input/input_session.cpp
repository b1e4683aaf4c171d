#include "input/input_session.h"

#include "formats/table_lines.h"

#include "input/stroke_key.h"
#include "input/syllable_key.h"
#include "input/syllable_spelling.h"
#include "store/find_record.h"
#include "store/gbk.h"
#include "store/spaces.h"
#include "tables/characters.h"
#include "tables/find_next.h"

namespace lumbrell {

InputSession::InputSession(const TableTexts& tables) : tables_(tables)
{
    query_.setChangeHandler([this] {
        if (!isBlank(query_.text()))
            lookUp();
    });
    pinyinKey_.setChangeHandler([this] { pinyinKeyChanged(); });
}

bool InputSession::open(const QString& dataFile, QString* error)
{
    if (!file_.open(dataFile, error))
        return false;
    shownRecord_ = file_.read(1);
    return true;
}

void InputSession::notify(Change change)
{
    if (changed)
        changed(change);
}

QString InputSession::candidateText() const
{
    QString text;
    for (const QString& candidate : candidates_)
        text += candidate + u' ';
    return text;
}

// ---- the lookup ----

void InputSession::lookUp()
{
    const QString query = query_.text();
    if (query.isEmpty())
        return;
    forgetWordUnlessShowing(firstCharacter(query));
    const FindResult result = findRecord(file_, query);
    if (!result.readAny || !result.found) {
        const QString character = firstCharacter(query).toString();
        outcome_ = isChineseCharacter(character) ? Outcome::NotFound : Outcome::NotChinese;
        notFoundText_ = character;
        plan_ = LookupPlan();
        notify(Change::Lookup);
        query_.setText(QString());
        return;
    }
    // The search's last read may be another record: the found one is read again.
    shownRecord_ = file_.read(result.recNo);
    outcome_ = Outcome::Found;
    notFoundText_.clear();
    plan_ = planLookup(shownRecord_);
    notify(Change::Lookup);
    if (!plan_.keepsQuery)
        query_.setText(QString());
}

// ---- the find-next searches ----

std::optional<QString> InputSession::searchPreceding(const QString& table, const QString& key)
{
    return findNextPreceding(table, key, precedingPos_);
}

std::optional<QString> InputSession::searchFollowing(const QString& table, const QString& key)
{
    return findNextFollowing(table, key, followingPos_);
}

// ---- the pinyin side ----

void InputSession::setPinyin(const QString& pinyin)
{
    pinyin_ = pinyin;
    notify(Change::Pinyin);
}

QString InputSession::pinyinOf(const QString& character)
{
    for (const QString& table : tables_.pinyin) {
        QString last;
        // Each line of the character overwrites the one before: the last one stays.
        while (const auto field = searchFollowing(table, character))
            last = *field;
        if (!last.isEmpty())
            return last;
    }
    return {};
}

void InputSession::setPinyinKey(const QString& key)
{
    // A pick always shows its pinyin, also when the key is the one before
    // (a stroke search may have cleared the display since).
    if (pinyinKey_.text() == key)
        pinyinKeyChanged();
    else
        pinyinKey_.setText(key);
}

void InputSession::pinyinKeyChanged()
{
    const QString key = pinyinKey_.text();
    if (isBlank(key))
        return;
    if (keyKind_ == KeyKind::Syllable) {
        for (int table = 0; table < tablelines::TableCount; ++table)
            if (inSyllableGroup(table, firstCharacter(key)))
                searchSyllable(table);
        return;
    }
    setPinyin(isDoubleByte(key) ? pinyinOf(key) : QString());
}

void InputSession::listCandidates(const QString& table, const QString& key)
{
    candidates_.clear();
    while (const auto hit = searchPreceding(table, key))
        candidates_.append(*hit);
    notify(Change::Candidates);
}

void InputSession::searchSyllable(int table)
{
    listCandidates(tables_.pinyin[table], pinyinKey_.text());
}

void InputSession::searchStrokes(int table)
{
    listCandidates(tables_.stroke[table], strokeKey_);
}

// ---- the input paths ----

void InputSession::pickCharacter(const QString& character)
{
    query_.setText(character);
    keyKind_ = KeyKind::Character;
    setPinyinKey(character);
}

// ---- words ----

void InputSession::receiveEntry(const QString& text)
{
    const QString received = trimSpaces(insertedText(entryText_, text));
    entryText_ = text;
    std::optional<WordCode> word;
    if (isWord(received))
        word = wordCodeOf(file_, received);
    if (!word && !word_)
        return;
    word_ = word;
    notify(Change::Word);
}

void InputSession::forgetWordUnlessShowing(QStringView character)
{
    if (!word_ || word_->word.contains(character))
        return;
    word_.reset();
    notify(Change::Word);
}

void InputSession::entryChanged(const QString& text)
{
    if (!isBlank(text)) {
        pickCharacter(firstCharacter(text).toString()); // a leading space is taken as it is
        lookUp(); // again: the first lookup may have emptied the query
    }
    // After the lookup of the text's first character, which may lie before
    // the word received: the key-up then shows the word's last character.
    receiveEntry(text);
}

void InputSession::characterPicked(const QString& selected)
{
    if (characterCount(selected) == 1)
        query_.setText(selected);
    keyKind_ = KeyKind::Character;
    setPinyinKey(selected);
}

void InputSession::keyReleasedAt(const QString& text, qsizetype caret)
{
    const QString before = characterBefore(text, caret).toString();
    if (!before.isEmpty())
        pickCharacter(before);
}

void InputSession::strokesChosen(const std::array<QString, 5>& choosers)
{
    QString symbols;
    for (const QString& chooser : choosers)
        symbols += strokeSymbol(chooser);
    strokeKey_ = strokeDigits(symbols);
    // Every choice searches, also one that gives the key before: another input
    // path may have replaced the candidates since.
    if (const auto table = strokeTableOf(strokeKey_))
        searchStrokes(*table);

    if (candidates_.isEmpty()) {
        setPinyin(QString());
        return;
    }
    const QString first = candidates_.first();
    keyKind_ = KeyKind::Character; // before the key: it is a character
    setPinyinKey(first);
    query_.setText(first);
    lookUp();
    notify(Change::FocusCandidates);
}

// Searches the syllable and shows the outcome; true when there are candidates.
bool InputSession::takeSyllable(const QString& text)
{
    // The spelling stands for a syllable as the chooser writes it (lv: lu,
    // ma3: ma). One that stands for none, such as a syllable still being
    // typed, leaves the candidates, the pinyin and the pictures as they were.
    const std::optional<QString> syllable = chooserSyllableOf(text);
    if (!syllable)
        return false;
    keyKind_ = KeyKind::Syllable;
    if (const auto key = syllableKey(*syllable))
        setPinyinKey(*key); // runs the search, which refills the candidates
    if (candidates_.isEmpty())
        return false;
    setPinyin(*syllable);
    query_.setText(candidates_.first());
    lookUp();
    return true;
}

void InputSession::syllableTyped(const QString& text)
{
    takeSyllable(text);
}

void InputSession::syllableChosen(const QString& text)
{
    if (takeSyllable(text))
        notify(Change::FocusCandidates);
}

} // namespace lumbrell
