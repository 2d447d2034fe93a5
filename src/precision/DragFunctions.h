#pragma once
// The standard drag functions of the precision model: drag coefficient against Mach number of
// the G1 (flat base, 2-calibre ogive) and G7 (boat tail, long ogive) reference projectiles.
namespace corvane::precision {

enum class DragFunction { G1, G7 };

// The reference projectile's drag coefficient at `mach`. Below the table's first entry the first
// value holds, above its last the last value holds; a non-finite Mach number gives the last value,
// so that a broken input never turns into a NaN inside the solver.
double DragCoefficient(DragFunction function, double mach);

} // namespace corvane::precision
