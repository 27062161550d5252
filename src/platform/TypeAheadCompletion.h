#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

// What typed text completes to: the item that replaces it and the tail of that item to
// select, so that the next keystroke replaces the tail.
struct TypeAheadMatch {
    int index = -1;
    QString text;                 // the whole item, as the list holds it
    qsizetype selectionStart = 0; // the typed length, kept inside the item
    qsizetype selectionLength = 0;
};

// The items of a combo's list, prepared once for completing typed text as it is typed.
// Typed text completes to the first item, in list order, that matches it this way: with
// n the length of the typed text without its surrounding blanks, the item without its
// surrounding blanks is cut to its first n characters and turned to upper case, and
// must match the trimmed typed text turned to upper case and read as a LikePattern
// (so "*" completes to the first item). A typed text that is no valid pattern completes
// to nothing. Whether to complete at all (not after a deleting key) is the box's choice.
//
// Build it again when the list changes: building is one pass over the items (about a
// millisecond for 10,000), so a box whose list is filled item by item is best to build it
// when the next keystroke needs it.
class TypeAheadCompletion
{
public:
    TypeAheadCompletion() = default;
    explicit TypeAheadCompletion(const QStringList &items);

    std::optional<TypeAheadMatch> complete(const QString &typed) const;

private:
    struct Item {
        QString text;
        // The trimmed item in upper case, or only trimmed when upper case changes its
        // length (a German sharp s becomes "SS"): such an item is cut before it is
        // turned to upper case, at each keystroke.
        QString key;
        bool keyIsUpperCase = true;
    };

    std::vector<Item> m_items;
};
