// Pictures of this family are still to be drawn.
#include "pictures.h"
#include "typefaces.h"

std::vector<PictureJob> WindowViewPictures()
{
    return {};
}
