# What the rest of the build needs to know of the programs in PROGRAMS, once their form libraries
# are defined:
# - PROGRAM_FORMS: the form libraries, NAMEform with NAME in lower case;
# - FORM_CLASS_<NAME>: the form class, as its library's FORM_CLASS property names it;
# - the target `programs`: programs.h, which makes each program's form by its name;
# - build/programs.txt: the names, one a line, for tools run after configuring.
set(PROGRAM_FORMS)
set(includes)
set(entries)
foreach(program IN LISTS PROGRAMS)
    string(TOLOWER ${program}form form)
    if(NOT TARGET ${form})
        message(FATAL_ERROR "The program ${program} has no form library named ${form}")
    endif()
    get_target_property(class ${form} FORM_CLASS)
    if(NOT class)
        message(FATAL_ERROR "The form library ${form} names no FORM_CLASS")
    endif()
    set(FORM_CLASS_${program} ${class})
    list(APPEND PROGRAM_FORMS ${form})
    string(APPEND includes "#include \"${form}.h\"\n")
    string(APPEND entries "    {\"${program}\", [] { return std::unique_ptr<Form>(new ${class}); }},\n")
endforeach()

set(generated ${CMAKE_BINARY_DIR}/programs)
configure_file(${CMAKE_CURRENT_LIST_DIR}/programs.h.in ${generated}/programs.h @ONLY)
add_library(programs INTERFACE)
target_include_directories(programs INTERFACE ${generated})
target_link_libraries(programs INTERFACE ${PROGRAM_FORMS})

list(JOIN PROGRAMS "\n" names)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/programs.txt CONTENT "${names}\n")
