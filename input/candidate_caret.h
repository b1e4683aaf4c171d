#pragma once

class QPlainTextEdit;

namespace lumbrell {

// Gives the candidate box the focus with the caret just behind its first
// candidate and nothing selected; from there the arrow keys step through the
// candidates.
void focusFirstCandidate(QPlainTextEdit* candidates);

} // namespace lumbrell
