#pragma once
// The filter graph's digital filter coefficients: 100 rows of {pole without resonance, pole with
// resonance, resonance feedback}, row 0 the lowest cutoff.
extern const float FilterCoefTBLHighPassWave[100][3];
