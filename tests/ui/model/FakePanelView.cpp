#include "FakePanelView.h"

void FakePanelRecord::finishFade()
{
    // A copy: the stack destroys the view, and may clear this record's callback, while it runs.
    const auto done = fadeDone;
    if (done)
        done();
}
