#include "widgets/Placeholder.h"

#include "widgets/ArtworkImage.h"

QImage placeholderPicture()
{
    static const QImage picture = ArtworkImage::rendered(QStringLiteral("common"), QStringLiteral("imgBianco"),
                                                         {308, 173}, QColor(0xC0, 0xC0, 0xC0));
    return picture;
}
