# Copies the shipped data files into the program folder (cmake -P, with SOURCE and
# DESTINATION set); a missing data folder copies nothing.
if(EXISTS "${SOURCE}")
    file(COPY "${SOURCE}/" DESTINATION "${DESTINATION}")
endif()
