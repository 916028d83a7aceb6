#pragma once

#include <memory>

// Steps a running level effect by dt and drops it once it is done. True on
// the step it ends, so the caller can go on to what follows the effect.
template <class TEffect>
bool StepLevelEffect(std::unique_ptr<TEffect>& effect, float dt)
{
    if (!effect)
        return false;
    effect->Update(dt);
    if (!effect->IsDone())
        return false;
    effect.reset();
    return true;
}
