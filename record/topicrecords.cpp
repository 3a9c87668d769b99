#include "record/topicrecords.h"

#include <algorithm>

namespace palmora {

TopicRecords::TopicRecords(const QList<FinishedTest> &results)
{
    for (const FinishedTest &test : results) {
        auto &records = m_byKind[static_cast<std::size_t>(test.mode)];
        for (const AskedTopic &question : test.asked) {
            TopicRecord &record = records[static_cast<std::size_t>(question.topic)];
            ++record.asked;
            record.right += question.right ? 1 : 0;
            m_isEmpty = false;
        }
    }
}

TopicRecord TopicRecords::of(TopicIndex topic, TestMode mode) const
{
    return m_byKind[static_cast<std::size_t>(mode)][static_cast<std::size_t>(topic)];
}

TopicRecord TopicRecords::of(TopicIndex topic) const
{
    TopicRecord all;
    for (const auto &records : m_byKind) {
        all.asked += records[static_cast<std::size_t>(topic)].asked;
        all.right += records[static_cast<std::size_t>(topic)].right;
    }
    return all;
}

void TopicRecords::sortWeakestFirst(QList<TopicIndex> &topics, std::optional<TestMode> mode,
                                    NeverAsked neverAsked) const
{
    std::stable_sort(topics.begin(), topics.end(), [&](TopicIndex a, TopicIndex b) {
        const TopicRecord first = mode ? of(a, *mode) : of(a);
        const TopicRecord second = mode ? of(b, *mode) : of(b);
        if ((first.asked == 0) != (second.asked == 0))
            return (first.asked == 0) == (neverAsked == NeverAsked::First);
        return first.asked != 0 && first.isWeakerThan(second);
    });
}

QList<TopicIndex> TopicRecords::weakestFirst() const
{
    QList<TopicIndex> topics;
    for (int t = 0; t < TopicCatalogue::kTopicCount; ++t)
        topics.append(static_cast<TopicIndex>(t));
    sortWeakestFirst(topics, std::nullopt, NeverAsked::Last);
    return topics;
}

QString TopicRecords::recordLine(TopicIndex topic) const
{
    if (m_isEmpty)
        return {};
    const TopicRecord record = of(topic);
    if (record.asked == 0)
        return tr("Not asked in your tests yet");
    if (record.asked == 1)
        return tr("Answered right %1 of 1 time").arg(record.right);
    return tr("Answered right %1 of %2 times").arg(record.right).arg(record.asked);
}

QString TopicRecords::unreadableLine(const QString &why)
{
    return tr("Your record cannot be shown: your earlier results cannot be read. %1").arg(why);
}

QString TopicRecords::shortText(const TopicRecord &record)
{
    if (record.asked == 0)
        return tr("never asked");
    return tr("%1 of %2 right").arg(record.right).arg(record.asked);
}

} // namespace palmora
