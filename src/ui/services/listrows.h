// Filling a list widget from rows the editor keeps, so that a refresh that changed nothing in
// the list leaves it alone: its selection and scroll position survive.
#pragma once

#include <QListWidget>

namespace fpw::ui {

// Rows from the editor's texts, each with its key as data (and its text as tooltip), replaced
// only when a text or a key differs. True when the list was filled anew.
template <typename Rows, typename Text, typename Key>
bool showRows(QListWidget& list, const Rows& rows, Text text, Key key) {
    bool same = list.count() == static_cast<int>(rows.size());
    for (int i = 0; same && i < list.count(); ++i) {
        same = list.item(i)->text() == text(rows[static_cast<std::size_t>(i)]) &&
               list.item(i)->data(Qt::UserRole) == key(rows[static_cast<std::size_t>(i)]);
    }
    if (same) {
        return false;
    }
    list.clear();
    for (const auto& row : rows) {
        auto* item = new QListWidgetItem(text(row), &list);
        item->setToolTip(item->text());
        item->setData(Qt::UserRole, key(row));
    }
    return true;
}

} // namespace fpw::ui
