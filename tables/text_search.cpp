// The find-next searches of the main window: one step of a run per call, the
// result in the pair Label1bh ("1" hit, "0" miss) and Label2bh (the text of
// the last hit), each search with its own remembered position.
#include "app/form11.h"
#include "tables/find_next.h"

namespace lumbrell {
namespace {

void report(Form11& form, const std::optional<QString>& hit)
{
    if (!hit) {
        form.Label1bh.setText(QStringLiteral("0"));
        return;
    }
    form.Label1bh.setText(QStringLiteral("1"));
    form.Label2bh.setText(*hit);
}

} // namespace

void Form11::TextSearch(const Field& table, const QString& key)
{
    report(*this, findNextPreceding(table.text(), key, TextSearchPos));
}

void Form11::TextSearchf(const Field& table, const QString& key)
{
    report(*this, findNextFollowing(table.text(), key, TextSearchfPos));
}

} // namespace lumbrell
