#include "content/topicdata.h"

namespace palmora {

const std::array<TopicText, kTopicCount> &TopicData::texts()
{
    static const std::array<TopicText, kTopicCount> rows = {{
        // 0
        {QT_TR_NOOP("Shape of Hands - Square Hand"),
         QT_TR_NOOP("You will be orderly, punctual and precise in everything you do. You "
                    "respect rules, value routine and like to see a plan through to the "
                    "end. You are practical and reliable, trusted to keep your word. You "
                    "may be cautious with new ideas until they are tested, but once "
                    "convinced you work steadily and very well."),
         QT_TR_NOOP("The palm is square at the wrist, square at the finger base, and "
                    "each fingertip is square as well.")},
        // 1
        {QT_TR_NOOP("Shape of Hands - Spatulate Hand"),
         QT_TR_NOOP("If hard and firm, you will be restless, energetic and full of "
                    "drive. You love action, invention and discovery, and you are "
                    "happiest building something new or exploring places you have not "
                    "seen. You are independent and original, and you do not follow "
                    "custom simply because others do. If the hand is soft and flabby, "
                    "that energy shows in bursts: you start many projects with great "
                    "excitement but may tire of them quickly. Either way, you think for "
                    "yourself, enjoy practical work with tools and machines, and admire "
                    "courage in others."),
         QT_TR_NOOP("The tip of each finger and the palm flare out wide like a spatula. "
                    "The palm is widest either at the wrist or at the finger base.")},
        // 2
        {QT_TR_NOOP("Shape of Hands - Conical Hand"),
         QT_TR_NOOP("You will be impulsive and instinctive in your choices, guided more "
                    "by feeling than by cold reason. You have a strong sense of beauty "
                    "and are drawn to art, music, color and graceful things. You pick up "
                    "ideas quickly and are charming company, though you may lose "
                    "patience with routine and dislike detailed, dull work.\r\n"
                    "If you have a firm hand, you will have greater energy and firmness "
                    "of will."),
         QT_TR_NOOP("The palm is slightly tapering, fingers full at the base and "
                    "rounded, with tips shaped like cones.")},
        // 3
        {QT_TR_NOOP("Shape of Hands - Psychic Hand"),
         QT_TR_NOOP("You have a purely visionary, idealistic nature. You live much of "
                    "your life among dreams, feelings and ideals, and you are very "
                    "sensitive to beauty and to the moods of those around you. You trust "
                    "your intuition and may have a keen interest in spiritual or "
                    "mystical matters. Practical affairs, money and tight schedules may "
                    "not come easily to you, so you do best with patient, down-to-earth "
                    "friends who help you turn dreams into deeds."),
         QT_TR_NOOP("It is a beautiful hand with long, narrow, slender fingers on a "
                    "delicate palm, with tips ending in fine points.")},
        // 4
        {QT_TR_NOOP("Shape of Hands - Mixed Hand"),
         QT_TR_NOOP("You have ideas, versatile and changeability of purpose. You adapt "
                    "very easily to new people and places and can turn your hand to many "
                    "different tasks. You are good at seeing a problem from several "
                    "sides at once. The challenge is to choose one path and stay with it "
                    "long enough to reach real mastery."),
         QT_TR_NOOP("This has fingers of different types and hand shapes, mixed together "
                    "on a single hand.")},
        // 5
        {QT_TR_NOOP("Finger Shapes - Conical Fingers"),
         QT_TR_NOOP("You love beauty in all forms. You are sensitive to color, sound and "
                    "shape, and you enjoy painting, music and poetry. You rely on "
                    "impressions and first feelings much more than on careful analysis. "
                    "You are warm and easy to like, but you may be impatient with "
                    "details and find long, dull routines hard to bear."),
         QT_TR_NOOP("The fingers are shaped like a cone.")},
        // 6
        {QT_TR_NOOP("Finger Shapes - Spatulate Fingers"),
         QT_TR_NOOP("You love the outdoors and enjoy traveling. Your mind is active and "
                    "original, and you like to invent, make and try things out for "
                    "yourself. You are energetic, practical and rarely able to sit still "
                    "for long. Sport, nature and adventure appeal to you, and you tend "
                    "to act first and think about the details afterwards."),
         QT_TR_NOOP("The fingers are shaped like a spatula.")},
        // 7
        {QT_TR_NOOP("Finger Shapes - Straight Fingers"),
         QT_TR_NOOP("You are very honest by nature and may speak your mind openly, even "
                    "when that is not easy. You keep a good balance between feeling and "
                    "reason, and others see you as a fair and steady friend. You like to "
                    "deal straightforwardly with people and prefer a simple, honest "
                    "truth to a clever excuse."),
         QT_TR_NOOP("The finger is straight in shape.")},
        // 8
        {QT_TR_NOOP("Finger Shapes - Square Fingers"),
         QT_TR_NOOP("You have a very methodical and organized approach to life. You like "
                    "order, clear rules and doing things in the proper way. You plan "
                    "ahead, keep your word and finish what you start. You are practical "
                    "and sensible, though at times you may seem a little rigid to people "
                    "who work by instinct."),
         QT_TR_NOOP("The fingers are rectangular shaped.")},
        // 9
        {QT_TR_NOOP("Finger Shapes - Knotty Fingers"),
         QT_TR_NOOP("You are a planner and need to have every fact in place before you "
                    "act. You think things through carefully, question what you are told "
                    "and enjoy analysis, research and deep thinking. You may have a "
                    "philosophical turn of mind and are rarely carried away by impulse."),
         QT_TR_NOOP("The fingers seem jointed together.")},
        // 10
        {QT_TR_NOOP("Shape of Nails - Short and Wide"),
         QT_TR_NOOP("You may have a bad short temper. But your anger passes as quickly "
                    "as it comes, and you forgive easily and do not hold grudges. You "
                    "are quick-witted and energetic, with a sharp eye for faults, and "
                    "you may be critical of others and of yourself. You like to argue a "
                    "point."),
         QT_TR_NOOP("Shape / Location is not available.")},
        // 11
        {QT_TR_NOOP("Shape of Nails - Broad and Square"),
         QT_TR_NOOP("You may be a calm and an easygoing person who is hard to upset. You "
                    "are patient, fair and steady under stress. You take life as it "
                    "comes, and people find you restful company and a good person to "
                    "turn to in a real crisis."),
         QT_TR_NOOP("Shape / Location is not available.")},
        // 12
        {QT_TR_NOOP("Shape of Nails - Long and Narrow"),
         QT_TR_NOOP("You are very intuitive by nature. You may have artistic talent and "
                    "a love of beauty. You are idealistic and imaginative, and you "
                    "sometimes prefer dreams to hard facts. You are kind and gentle with "
                    "others."),
         QT_TR_NOOP("Shape / Location is not available.")},
        // 13
        {QT_TR_NOOP("Shape of Nails - Almond-Shaped"),
         QT_TR_NOOP("You have a gentle personality and are sensitive to the feelings of "
                    "others. You are kind, courteous and dislike quarrels, preferring "
                    "peace and calm."),
         QT_TR_NOOP("Shape / Location is not available.")},
        // 14
        {QT_TR_NOOP("Life Line"),
         QT_TR_NOOP("This line represents the vigor and length of your vitality and the "
                    "quality of your life. It does not foretell how many years you will "
                    "live, however."),
         QT_TR_NOOP("This line starts from the side of palm between thumb and index "
                    "finger and curves down around the ball of the thumb, the mount of "
                    "Venus, to the wrist.")},
        // 15
        {QT_TR_NOOP("Head Line"),
         QT_TR_NOOP("This line indicates mainly the mentality of a person: the "
                    "intellect, the powers of reason and concentration, and the normal "
                    "way of thinking."),
         QT_TR_NOOP("This line rises just above the Life Line and then crosses the palm.")},
        // 16
        {QT_TR_NOOP("Heart Line"),
         QT_TR_NOOP("This line indicates love, or the attraction of the heart: "
                    "affection, warmth and the whole emotional life of a person."),
         QT_TR_NOOP("This line runs across the upper portion of the palm, just beneath "
                    "the fingers, from the outer edge under the little finger towards "
                    "the index or the middle finger.")},
        // 17
        {QT_TR_NOOP("Fate Line"),
         QT_TR_NOOP("This line is the center upright line on the palm and is also called "
                    "the line of Destiny. It shows your career, the path your life "
                    "takes, and how outside events and other people shape it. A clear, "
                    "deep line suggests a steady sense of purpose, while breaks may mark "
                    "changes of work or home."),
         QT_TR_NOOP("This line starts in the middle of the base of the palm and rises "
                    "straight to the middle finger.")},
        // 18
        {QT_TR_NOOP("Fame Line"),
         QT_TR_NOOP("This line is also called the line of the Sun or the line of Apollo. "
                    "It shows success, fame, recognition, creative talent and the joy "
                    "you find in your work."),
         QT_TR_NOOP("This line runs parallel to Line of Fate, on its outer side, and "
                    "rises up toward the ring finger. It may start low near the wrist or "
                    "higher up the palm, and in many hands it is quite short or faint, "
                    "or it may even be missing altogether.")},
        // 19
        {QT_TR_NOOP("Marriage or Relationship Line"),
         QT_TR_NOOP("Light lines will indicate romances and strong ones show marriages "
                    "or deep, lasting partnerships. Taken together, these reveal the "
                    "important relationships in your life."),
         QT_TR_NOOP("These lines are horizontal lines at the base of the little finger, "
                    "on the outside.")},
        // 20
        {QT_TR_NOOP("Health Line"),
         QT_TR_NOOP("This line indicates the growth of illness and recovery, as well as "
                    "your general health."),
         QT_TR_NOOP("This line starts below the ring finger and runs diagonally to the "
                    "thumb.")},
        // 21
        {QT_TR_NOOP("Travel Line"), QT_TR_NOOP("This line indicates major travels that influence your life."),
         QT_TR_NOOP("These lines are horizontal lines at the base of the palm on the "
                    "outer edge.")},
        // 22
        {QT_TR_NOOP("Girdle of Venus"),
         QT_TR_NOOP("The Girdle of Venus is associated with emotions, sensitivity and "
                    "deep feeling."),
         QT_TR_NOOP("The Girdle of Venus is a semicircle that lies between the Heart "
                    "Line and the bases of the middle and the ring fingers.")},
    }};
    return rows;
}

} // namespace palmora
