// quorvel-pictures: draws every picture of the game into the folder given as the
// first argument (the build's Images/), or with --icons the application icon.
// The same bytes come out on every run.
#include "icon.h"
#include "pictures.h"
#include "typefaces.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <malloc.h>
#include <string>

RgbImage MakePicture(const PictureJob& job)
{
    if (job.make)
        return job.make();
    // Drawn with square pixels, the longer side at least 512 of them, then
    // resampled to the file's size: small pictures keep their fine detail, and
    // nothing is squashed once the sprite stretches the picture over its quad.
    const PictureInfo& info = job.info();
    const int supersample = std::max(1, 512 / std::max(info.pixelWidth, info.pixelHeight));
    const int pixelWidth = info.pixelWidth * supersample;
    const int pixelHeight = static_cast<int>(static_cast<float>(pixelWidth) * info.sceneHeight / info.sceneWidth + 0.5f);
    Canvas canvas(pixelWidth, pixelHeight, info.sceneWidth * 1000.0f);
    job.draw(canvas);
    return canvas.ToImage(info.pixelWidth, info.pixelHeight);
}

namespace {

// Every file of the table drawn by exactly one job, else the game would miss a
// picture or get it drawn twice over; names every file that is not.
bool jobsCoverTable(const std::vector<PictureJob>& jobs)
{
    bool covered = true;
    for (const PictureJob& job : jobs)
        if (job.info().file == nullptr) {
            std::fprintf(stderr, "quorvel-pictures: picture %d is a plain shape, no file\n", job.picture);
            covered = false;
        }
    for (const PictureInfo& row : pictureTable) {
        if (row.file == nullptr)
            continue;
        int count = 0;
        for (const PictureJob& job : jobs)
            count += job.info().file != nullptr && std::strcmp(job.info().file, row.file) == 0 ? 1 : 0;
        if (count != 1) {
            std::fprintf(stderr, "quorvel-pictures: %s is drawn %d times\n", row.file, count);
            covered = false;
        }
    }
    return covered;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: quorvel-pictures FOLDER [FILE...] | --icons FOLDER\n");
        return 2;
    }
    // Canvases and resampled pictures are large and short-lived: keep freed memory
    // for the next picture instead of handing it back to the system and faulting
    // it in again (this halves the running time).
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    if (std::strcmp(argv[1], "--icons") == 0 && argc == 3)
        return OpenTypefaces() && WriteIcons(argv[2]) ? 0 : 1;
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!OpenTypefaces())
        return 1;

    std::vector<PictureJob> jobs;
    for (auto family : {LetteringPictures, FoodPictures, PeoplePictures, RegisterPictures, WindowViewPictures,
                        InterfacePictures})
        for (PictureJob& job : family())
            jobs.push_back(std::move(job));
    if (!jobsCoverTable(jobs))
        return 1;  // before anything is written, so that the build stops here

    int failures = 0;
    for (const PictureJob& job : jobs) {
        // Further arguments pick files to draw (a quicker round while drawing one).
        bool wanted = argc == 2;
        for (int i = 2; i < argc; ++i)
            wanted = wanted || std::strcmp(job.info().file, argv[i]) == 0;
        if (!wanted)
            continue;
        const std::string path = (folder / job.info().file).string();
        if (!WriteBmp(path, MakePicture(job))) {
            std::fprintf(stderr, "quorvel-pictures: cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
