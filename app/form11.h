#pragma once

#include "app/field.h"
#include "store/char_record.h"
#include "store/record_file.h"
#include "tables/table_texts.h"

#include <QCursor>
#include <QImage>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lumbrell {

class PictureBox;
class SyllableChooser;

// The main window. It holds every control, visible or not, and the members the
// handlers share; the handlers of each subsystem are defined in that subsystem's
// folder (store/, lookup/, tables/, input/, app/).
class Form11 : public QWidget {
    Q_OBJECT

public:
    // Builds the window on the data in programFolder (wwbb11.dat and bmp/) and
    // the given tables, and runs the start-up steps. When the data file can be
    // neither opened nor created, startupError() says why and the window must
    // not be shown.
    Form11(const QString& programFolder, const TableTexts& tables, QWidget* parent = nullptr);
    ~Form11() override;

    const QString& startupError() const { return startupError_; }
    const QString& programFolder() const { return programFolder_; }

    // Platform seams: a modal message box (title, text) with one OK button and no
    // icon, and the hand-over of a link target to the desktop's default handler.
    // Tests replace them.
    std::function<void(const QString& title, const QString& text)> messageBox;
    std::function<void(const QString& target)> openOnDesktop;

    // ---- visible controls ----
    QPushButton* Command2 = nullptr;  // about
    QPushButton* Command8 = nullptr;  // stroke-input help
    QLineEdit* Text5 = nullptr;       // entry box
    QLabel* Label15 = nullptr;
    QLabel* Label22 = nullptr;
    std::array<QComboBox*, 5> Combo{}; // Combo1 … Combo5 are Combo[0] … Combo[4]
    SyllableChooser* Combo6 = nullptr;
    QPlainTextEdit* Text6 = nullptr;  // candidate box
    QFrame* Line2 = nullptr;
    QFrame* Frame1 = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;        // code line (blue)
    QLabel* Label5 = nullptr;         // code line (white twin)
    QLabel* Label23 = nullptr;
    QLabel* Label24 = nullptr;        // pinyin (blue)
    QLabel* Label25 = nullptr;        // pinyin (white twin)
    std::array<PictureBox*, 4> Picture1{};
    PictureBox* Picture2 = nullptr;   // not-found panel
    QLabel* Label27 = nullptr;
    QLabel* Label28 = nullptr;        // link in the not-found panel

    // ---- hidden and off-window controls ----
    Field Text23;                     // query character
    Field Text31{QStringLiteral("Text31")};
    Field Text32{QStringLiteral("Text32")};
    Field Text11{QStringLiteral("Text11")};
    Field Text12{QStringLiteral("Text12")};
    Field Text13{QStringLiteral("Text13")};
    Field Text14{QStringLiteral("Text14")};
    Field Text17{QStringLiteral("Text17")};
    Field Text18{QStringLiteral("Text18")};
    Field Text19{QStringLiteral("Text19")};
    Field Text20{QStringLiteral("Text20")};
    Field Label4{QStringLiteral("单字：")};
    Field Label6{QStringLiteral("    ")};
    Field Label7{QStringLiteral("    ")};
    Field Label8{QStringLiteral("    ")};
    Field Text2bh;                    // pinyin key: a syllable or a character
    Field Label20{QStringLiteral("Label20")}; // "1" character key, "2" syllable key
    Field Text4;                      // stroke key being assembled
    Field Text2bhw;                   // stroke key to search for
    Field Label1bh{QStringLiteral("0")};
    Field Label2bh{QStringLiteral("Label2")};
    std::array<Field, 5> Text1bh;     // pinyin tables Text1bh1 … Text1bh5
    std::array<Field, 5> Text1bhw;    // stroke tables Text1bh1w … Text1bh5w
    Field Text1a{QStringLiteral("Text1")};
    QStringList List1;
    Field Label3{QStringLiteral("何")};
    Field Label17{QStringLiteral(" ")};
    Field Text88{QStringLiteral("焦点用和窗体大小用")};
    std::array<QImage, 16> Image13;   // identification diagrams
    QCursor Image2;                   // pointing hand of Text6 and Label28

    // ---- members ----
    std::int16_t RecNo = 1;
    CharRecord Rec;
    RecordFile DataFile;
    std::int32_t TextSearchPos = 0;
    std::int32_t TextSearchfPos = 0;

    // ---- record store ----
    void ReadRecord();
    double RecordCount() const;
    void display();
    bool FindRecord();

    // ---- lookup and presentation ----
    void Command6_Click();
    bool PreparePictures(); // false when the drawing cannot be loaded
    void ShowIdentificationCode(int position);
    void MarkComponent(int position);
    void Label4_Change();
    void Label4_Click();

    // ---- embedded tables ----
    void TextSearch(const Field& table, const QString& key);
    void TextSearchf(const Field& table, const QString& key);

    // ---- input paths ----
    void Text5_Change();
    void Text5_Click();
    void Text5_KeyUp();
    void Text6_Change();
    void Text6_Click();
    void Text6_KeyUp();
    void Text23_Change();
    void List1_Click(int index);
    void Label3_Change();
    void Combo1_Change() { bian(); }
    void Combo1_Click() { bian(); }
    void Combo2_Change() { bian(); }
    void Combo2_Click() { bian(); }
    void Combo3_Change() { bian(); }
    void Combo3_Click() { bian(); }
    void Combo4_Change() { bian(); }
    void Combo4_Click() { bian(); }
    void Combo5_Change() { bian(); }
    void Combo5_Click() { bian(); }
    void bian();
    void Text2bhw_Change();
    void Command41_Click() { searchStrokeTable(0); }
    void Command42_Click() { searchStrokeTable(1); }
    void Command43_Click() { searchStrokeTable(2); }
    void Command44_Click() { searchStrokeTable(3); }
    void Command45_Click() { searchStrokeTable(4); }
    void Combo6_Change();
    void Combo6_Click();
    void Text2bh_Change();
    void Command88bh1_Click() { searchSyllableTable(0); }
    void Command88bh2_Click() { searchSyllableTable(1); }
    void Command88bh3_Click() { searchSyllableTable(2); }
    void Command88bh4_Click() { searchSyllableTable(3); }
    void Command88bh5_Click() { searchSyllableTable(4); }
    void Command9z_Click();
    void Command9a_Click() { searchPinyinTable(0); }
    void Command9b_Click() { searchPinyinTable(1); }
    void Command9c_Click() { searchPinyinTable(2); }
    void Command9d_Click() { searchPinyinTable(3); }
    void Command9e_Click() { searchPinyinTable(4); }

    // ---- application shell ----
    void Command2_Click();
    void Command8_Click();
    void Label28_Click();

    // Writes the candidate box and runs its change handler when the text changed.
    void setText6(const QString& text);
    // Writes a visible label's caption and resizes it to its text.
    static void setCaption(QLabel* label, const QString& caption);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The five table searches of each kind differ only in their table (index 0 … 4).
    void searchStrokeTable(int table);   // candidates with the stroke key of Text2bhw
    void searchSyllableTable(int table); // candidates with the syllable key of Text2bh
    void searchPinyinTable(int table);   // pinyin of the character in Text2bh
    void listCandidates(const Field& table, const Field& key);

    void takeCharacterBeforeCaret(const QString& text, qsizetype caret); // the key-up of Text5 and Text6

    void createControls();
    void connectHandlers();
    void startUp(const TableTexts& tables);
    void applyLooks();                 // fonts, colours, pictures, pointers
    QString drawingPath(const QString& character) const;
    bool loadDrawing(QImage* image);

    QString programFolder_;
    QString startupError_;
    QSet<QString> reportedMissingDrawings_; // a set: thousands of characters have no drawing
    QPointer<QWidget> about_; // the about window while it exists
};

} // namespace lumbrell
