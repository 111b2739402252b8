#include "engine/KarmicDebt.h"

#include <array>

namespace engine {

namespace {

constexpr std::u16string_view ParagraphEnd = u"\r\n\r\n";

constexpr std::u16string_view Header = u"Karmic Debt Number: ";

constexpr std::u16string_view GeneralParagraph =
    u"This number signifies some mistake or misuse of opportunities in your "
    u"previous lifetime that reflects in the present lifetime. You can rectify the "
    u"error in this lifetime by taking an additional burden known as Karmic Debt.";

constexpr std::u16string_view NoDebtLine = u"Your Karmic Debt Number is not applicable.";

// "There may many", "to b disciplined" and "Don 't" are kept as the program has always
// shown them.
constexpr std::u16string_view Debt13 =
    u"People with this number your kitty are hard worker and strugglers. This "
    u"number signifies that you had avoided hard work in your previous lifetimes "
    u"and will have to make up for it in this lifetime. There may many ups and "
    u"downs coming on your way, even speed breakers, stay alert and focused. People "
    u"associated with lines like business, art and sports share this number. You "
    u"will need to b disciplined and focused to do away with your debt. Don 't get "
    u"diverted and avoid laziness. You need to bring order in your life and not "
    u"waste your energy on multiple projects.";

constexpr std::u16string_view Debt14 =
    u"Be optimistic and goal oriented, you will come up with flying colors. This "
    u"debt is due to abuse of freedom and indulgence in the wrong things in your "
    u"previous lifetimes. This number may target your sensitive feelings and even "
    u"hurt painfully. Don't indulge in alcohols, drugs to avoid pain. Try to adapt "
    u"changes. Many times you are forced to change in certain hard circumstances "
    u"and then it will be tougher than expected. Always try be a modest person, "
    u"which is the key to reach your goals. You should be determined and committed "
    u"to your tasks.";

constexpr std::u16string_view Debt16 =
    u"This number is probably the route to attain the real truth of life. You will "
    u"reach very near to high spiritual awareness. This debt is due to abused love "
    u"affairs that hurt people around you in your previous lifetimes. Avoid having "
    u"an egoistic nature and inferiority complex. Learn to think about others' "
    u"feelings. Your ego, which had been inflated, will need to be subdued and this "
    u"is a very painful process.";

constexpr std::u16string_view Debt19 =
    u"You are a self-made man forced to stand on your own feet without any help of "
    u"others. You have the power and energy to struggle and fight with obstacles. "
    u"This debt is due to abuse of power in your previous lifetimes. But still you "
    u"may need support from others, as you are a very emotional person.  It's "
    u"important to free your mind and know the reality of mutual interdependence. "
    u"Do not use others for your purpose and then forget them. Learn to accept "
    u"other's advice and stop blaming them for your mistakes.";

constexpr std::array<KarmicDebtNo, 4> DebtValues{13, 14, 16, 19};

bool IsDebtValue(LetterSum value) {
    for (KarmicDebtNo debt : DebtValues) {
        if (value == debt)
            return true;
    }
    return false;
}

std::u16string_view DebtParagraph(KarmicDebtNo debt) {
    switch (debt) {
    case 13:
        return Debt13;
    case 14:
        return Debt14;
    case 16:
        return Debt16;
    case 19:
        return Debt19;
    default:
        return NoDebtLine;
    }
}

std::u16string Decimal(KarmicDebtNo debt) {
    const auto digits = std::to_string(debt);
    return {digits.begin(), digits.end()};
}

} // namespace

KarmicDebtNo FindKarmicDebt(const CoreNumbers& numbers) {
    KarmicDebtNo debt = 0;
    for (LetterSum value :
         {numbers.Destiny, numbers.SoulUrge, numbers.InnerDream, numbers.BirthDay}) {
        if (IsDebtValue(value))
            debt = static_cast<KarmicDebtNo>(value);
    }
    return debt;
}

std::u16string Reading::Text() const {
    std::u16string text;
    for (const std::u16string& paragraph : paragraphs)
        text.append(paragraph);
    return text;
}

Reading ComposeReading(KarmicDebtNo debt) {
    if (!IsDebtValue(debt))
        debt = 0;
    const auto paragraph = [](std::u16string text) { return text.append(ParagraphEnd); };
    return {{paragraph(std::u16string(Header) + Decimal(debt)),
             paragraph(std::u16string(GeneralParagraph)),
             paragraph(std::u16string(DebtParagraph(debt))), paragraph(u"")}};
}

Reading MakeReading(const CoreInput& input) {
    return ComposeReading(FindKarmicDebt(ComputeCoreNumbers(input)));
}

} // namespace engine
