// The picture set: every file of the game's texture table and how each is drawn.
#pragma once
#include "bmp_writer.h"
#include "canvas.h"

#include <functional>
#include <string>
#include <vector>

// One file. A picture is drawn on a canvas with the proportions of its sprite on
// screen (aspectWidth : aspectHeight) in square design units, aspectWidth x 1000
// units across, then resampled to the file's power-of-two size.
struct PictureJob {
    std::string file;
    int width = 0, height = 0;
    float aspectWidth = 1.0f, aspectHeight = 1.0f;
    std::function<void(Canvas&)> draw;
    std::function<Picture()> make;  // instead of draw, for pictures made pixel by pixel
};

// A picture drawn on a canvas of width x height pixels, shown at w : h on screen.
inline PictureJob DrawnPicture(const char* file, int width, int height, float w, float h,
                               std::function<void(Canvas&)> draw)
{
    return {file, width, height, w, h, std::move(draw), nullptr};
}

// Draws a job's picture.
Picture MakePicture(const PictureJob& job);

// The families of pictures, one file each.
std::vector<PictureJob> LetteringPictures();  // Font.bmp, Star.bmp
std::vector<PictureJob> FoodPictures();       // the menu items and the tray
std::vector<PictureJob> PeoplePictures();     // the two employees
std::vector<PictureJob> RegisterPictures();   // the cash registers of each day
std::vector<PictureJob> WindowViewPictures(); // the drive-thru window and its customers
std::vector<PictureJob> InterfacePictures();  // bag, receipts, arrows, bars, alerts, upgrades, scroll
