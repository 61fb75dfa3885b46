# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder (or scripts/dev
# package) makes tallyvane_<version>_<arch>.deb from the install rules.
# Library dependencies are read from the programs themselves by
# dpkg-shlibdeps (Debian package dpkg-dev); what they use without linking
# it is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tallyvane developers <developers@tallyvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal-finance planner: budget, savings, loans, net worth")
set(CPACK_PACKAGE_DESCRIPTION
    "Tallyvane plans a household budget, projects how savings grow, builds the
amortization table of a mortgage or a personal loan, draws up a net worth
statement, shows savings growth or a loan balance as a bar chart, and prints
each of these as a formatted report. Figures are exact to the cent.
.
The package also holds tallyvane-calc, which computes the same tables on the
command line as text, CSV, JSON or PDF.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Printouts ask for Courier New, for which fonts-liberation2 stands in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")

include(CPack)
