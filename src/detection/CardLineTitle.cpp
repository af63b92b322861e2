#include "detection/CardLineTitle.h"

#include "support/ByteCountFormatter.h"
#include "support/ShownText.h"

UserText CardLineTitle::text(const DetectedCard &card)
{
    const UserText name = UserText::verbatim(ShownText::isolated(card.name));
    if (card.isEjected)
        //: A card's line in the menu; %1 is the card's name.
        return UserText::translate("CardLineTitle", "%1 — ejected by the system, pull it out and reinsert")
            .arg(name);
    if (!card.isMounted())
        //: A card's line in the menu; %1 is the card's name.
        return UserText::translate("CardLineTitle", "%1 — unmounted").arg(name);
    if (!card.freeBytes)
        //: A card's line in the menu; %1 is the card's name.
        return UserText::translate("CardLineTitle", "%1 — free space unknown").arg(name);
    //: A card's line in the menu; %1 is the card's name, %2 its free space, such as "31.9 GB".
    return UserText::translate("CardLineTitle", "%1 — %2 free")
        .arg(name, ByteCountFormatter::fileStyleText(*card.freeBytes));
}

QString CardLineTitle::title(const DetectedCard &card)
{
    return text(card).shown();
}
