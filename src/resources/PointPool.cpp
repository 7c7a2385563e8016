#include "resources/PointPool.h"

#include "sheet/CharacterSheet.h"
#include "sheet/IntText.h"

using namespace Qt::StringLiterals;

namespace Resources {

int pool(const CharacterSheet &sheet)
{
    return sheet.number(SheetValue::CharacterPoints);
}

int recordedCost(const QString &item)
{
    return IntText::toInt(item.mid(item.lastIndexOf(u':') + 1));
}

int halfProductRoundedUp(int a, int b)
{
    const int product = IntText::multiply(a, b);
    return product % 2 == 0 ? product / 2 : IntText::add(product, 1) / 2;
}

void appendAndSetPool(CharacterSheet &sheet, SheetList list, const QString &item, int newPool)
{
    sheet.appendItem(list, item);
    sheet.setNumber(SheetValue::CharacterPoints, newPool);
}

} // namespace Resources
