#pragma once
// The kinds of colour vision deficiency that can be simulated: the missing
// or shifted cone is the long (protan), middle (deutan) or short (tritan) one.

namespace colorscience
{

enum class ColorDeficiency
{
  kNone,
  kProtan,
  kDeutan,
  kTritan
};

}  // namespace colorscience
