#pragma once

namespace Commun {

// The decimal separator the running system writes numbers with: ',' or '.'.
// The one place that asks the system; everything else receives it as a parameter.
char systemDecimalSeparator();

} // namespace Commun
