// Pickers of reference lists (units, types, zones, handlers, remarks, payment methods, named
// prices) answer the window that opened them by the caller word in `callerFlag`. The picker's
// library knows none of its callers: each caller registers, for the picker it opens, what its
// word means (the combo box to refill, the note box to write, ...), in the style of
// registerWindow. A word nobody registered answers nothing.
#pragma once

#include <QHash>
#include <QString>

template <class Target>
class CallerWords {
public:
    void add(const QString& word, Target target) { m_targets.insert(word, std::move(target)); }
    void remove(const QString& word) { m_targets.remove(word); }
    // The target registered for a word; nullptr for a word nobody registered.
    const Target* find(const QString& word) const
    {
        const auto it = m_targets.constFind(word);
        return it == m_targets.cend() ? nullptr : &*it;
    }

private:
    QHash<QString, Target> m_targets;
};
