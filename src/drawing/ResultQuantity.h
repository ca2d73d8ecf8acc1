#pragma once
// The element result the diagrams show: axial force, stress or strain, with
// the scale, decimals, legend title and extrema that belong to it.
#include <QString>

struct AnalysisResults;
struct Model;
struct ResultExtrema;
struct Settings;

enum class Quantity { Force, Stress, Strain };

// The quantity the settings choose: the first of Show_FORCE, Show_STRESS and
// Show_STRAIN that is on; the force when none is.
Quantity chosenQuantity(const Settings &s);
// Chooses q: its flag on, the other two off.
void setChosenQuantity(Settings &s, Quantity q);

// v(e): N, N / A or N / A / E of element e with A and E of its own group.
// 0 where that is not a finite number (a group with A or E of 0, a group or
// element outside the tables), so no picture divides by zero.
double elementValue(const Model &m, const AnalysisResults &r, Quantity q, int e);

// The units 1 cm of ordinate stands for: Ena_cm_posa_FORCE, _STRESS, _STRAIN.
float Settings::*quantityScale(Quantity q);
// Decimals of printed values: dekadika_N for force and stress, dekadika_strain
// for strain.
int quantityDecimals(const Settings &s, Quantity q);
// "Axial Force", "Axial Stress", "Axial Strain".
QString quantityTitle(Quantity q);

struct QuantityExtremes {
    double largest = 0, smallest = 0, largestAbsolute = 0;
};
// The quantity's extrema of the last analysis, non-finite ones as 0.
QuantityExtremes quantityExtrema(const ResultExtrema &x, Quantity q);

// A value as the diagrams write it: rounded to `decimals`, one space before a
// value that is not negative (the sign's place) and one after it.
QString diagramValueText(double value, int decimals);

// x itself when finite, otherwise 0.
double finiteOrZero(double x);
