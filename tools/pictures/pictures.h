// The picture set: how each file of the game's picture table is drawn.
#pragma once
#include "bmp_writer.h"
#include "canvas.h"
#include "model/pictures.h"

#include <functional>
#include <vector>

// One file, named and sized by its picture's row of the table. A picture is drawn on
// a canvas with the proportions of its sprite on screen (sceneWidth : sceneHeight) in
// square design units, sceneWidth x 1000 units across, then resampled to the file's size.
struct PictureJob {
    int picture = Picture::Tray;
    std::function<void(Canvas&)> draw;
    std::function<RgbImage()> make;  // instead of draw, for pictures made pixel by pixel

    const PictureInfo& info() const { return pictureTable[static_cast<size_t>(picture)]; }
};

// A picture drawn on a canvas in design units.
inline PictureJob DrawnPicture(int picture, std::function<void(Canvas&)> draw)
{
    return {picture, std::move(draw), nullptr};
}

// Draws a job's picture.
RgbImage MakePicture(const PictureJob& job);

// The families of pictures, one file each.
std::vector<PictureJob> LetteringPictures();  // Font.bmp, Star.bmp
std::vector<PictureJob> FoodPictures();       // the menu items and the tray
std::vector<PictureJob> PeoplePictures();     // the two employees
std::vector<PictureJob> RegisterPictures();   // the cash registers of each day
std::vector<PictureJob> WindowViewPictures(); // the drive-thru window and its customers
std::vector<PictureJob> InterfacePictures();  // bag, receipts, arrows, bars, alerts, upgrades, scroll
