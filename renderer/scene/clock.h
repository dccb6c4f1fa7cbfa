// The animation clock: elapsed seconds as the scene reads them.
#pragma once

// Elapsed time reduced modulo 4 pi seconds, in double precision, then stored
// as the scene's 32-bit float. 4 pi is one whole circle of the eye and twenty
// periods of the sheet's waves (sin(10 t + c) repeats every pi / 5), so every
// frame shows what the unreduced time would; but the float keeps its
// sub-microsecond steps however long the saver runs, where the raw seconds
// would step by a quarter second after a month.
float AnimationTime(double elapsedSeconds);
