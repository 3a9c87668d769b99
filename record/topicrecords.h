#pragma once

#include "record/finishedtest.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace palmora {

// How often one topic was asked and how often answered right.
struct TopicRecord {
    int asked = 0;
    int right = 0;

    // Of two topics both asked: a lower share of its answers right than
    // `other`, or the same share over more questions.
    bool isWeakerThan(const TopicRecord &other) const
    {
        const int mine = right * other.asked;
        const int theirs = other.right * asked;
        return mine != theirs ? mine < theirs : asked > other.asked;
    }
};

// What the kept results tell of each topic, kind by kind. Only tests that kept
// their questions count.
class TopicRecords {
    Q_DECLARE_TR_FUNCTIONS(TopicRecords)
public:
    explicit TopicRecords(const QList<FinishedTest> &results = {});

    TopicRecord of(TopicIndex topic, TestMode mode) const;
    // All kinds together.
    TopicRecord of(TopicIndex topic) const;
    // No question has been kept yet.
    bool isEmpty() const { return m_isEmpty; }

    enum class NeverAsked { First, Last };
    // Sorts `topics` weakest first, keeping the order of topics alike: the
    // lowest share of right answers, and of two alike the one asked more often;
    // the topics never asked before or after all others. Over all kinds
    // together when `mode` is none.
    void sortWeakestFirst(QList<TopicIndex> &topics, std::optional<TestMode> mode,
                          NeverAsked neverAsked) const;
    // Every topic, the weakest over all kinds first; the topics never asked
    // last, in catalogue order.
    QList<TopicIndex> weakestFirst() const;

    // "Answered right 2 of 5 times" over all kinds, "Not asked in your tests
    // yet", or nothing before the first question is kept.
    QString recordLine(TopicIndex topic) const;
    // The line in its place when the results cannot be read, saying why.
    static QString unreadableLine(const QString &why);
    // "2 of 5 right" or "never asked", for a table.
    static QString shortText(const TopicRecord &record);

private:
    std::array<std::array<TopicRecord, TopicCatalogue::kTopicCount>, 3> m_byKind {};
    bool m_isEmpty = true;
};

} // namespace palmora
