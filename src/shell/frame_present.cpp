// Drawing and presenting only what changed since the picture on screen.
#include "shell/frame_present.h"

#include "render/damage.h"
#include "render/draw_log.h"
#include "render/picture_buffer.h"
#include "render/redraw.h"
#include "render/render_state.h"
#include "shell/frame_loop.h"
#include "shell/platform.h"

#include <GL/gl.h>

bool drawFramesWhole = false;

namespace {

struct ShownPicture {  // the window's lifetime
    bool copyLookedFor = false;
    bool lost = true;  // nothing drawn yet
    DrawLog draws;     // the draws of the picture on screen
    Damage presented;
};
ShownPicture shown;

// Whole when the picture was lost; none when nothing changed.
Damage damageSinceShown()
{
    if (shown.lost || drawFramesWhole)
        return {true, {}};
    return FindDamage(shown.draws, drawLog, PictureViewport());
}

// Into the window's back buffer: where a present does not keep the picture, the
// picture is put back from its copy first and the copy brought up to date after.
void draw(Damage& damage)
{
    int width = 0, height = 0;
    DrawableSize(width, height);
    const bool keeps = drawFramesWhole || PresentKeepsPicture();
    if (!damage.whole && !keeps && !RestorePicture(width, height))
        damage.whole = true;
    if (damage.whole)
        RedrawWhole(drawLog);
    else
        for (const PictureRect& part : damage.parts)
            RedrawPart(drawLog, part);
    if (keeps)
        return;
    if (damage.whole)
        KeepWholePicture(width, height);
    else
        KeepPictureParts(damage.parts);
}

}  // namespace

bool StartRecordedFrame()
{
    const bool withGL = renderState.useGL;
    renderState.useGL = false;
    drawLog.enabled = true;
    return withGL;
}

void PresentRecordedFrame(bool withGL)
{
    renderState.useGL = withGL;
    if (!withGL) {
        shown.lost = true;
        return;
    }
    if (!shown.copyLookedFor && !PresentKeepsPicture())
        StartPictureCopy(GLFunction);
    shown.copyLookedFor = true;
    if (shown.lost)
        BeforeWholeFrame();
    Damage damage = damageSinceShown();
    if (!damage.whole && damage.parts.empty())
        return;
    draw(damage);
    // The present may find the picture lost yet (a window resized meanwhile).
    shown.draws = drawLog;
    shown.lost = false;
    shown.presented = std::move(damage);
    presentFrame();
    // The renderer queues a frame's work until something makes it draw. A
    // window's buffer swap does; nothing else here would (the replay tool
    // presents nothing, SDL's offscreen driver swaps a buffer that is never
    // shown), and the queued work then grows by about a megabyte a frame. A
    // flush alone lets a few frames queue up while the machine is busy, and the
    // peak then varies by tens of megabytes; waiting keeps it flat.
    glFinish();
}

const Damage& PresentedDamage()
{
    return shown.presented;
}

void PictureLost()
{
    shown.lost = true;
}
