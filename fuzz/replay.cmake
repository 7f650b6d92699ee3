# The fuzz targets' corpora replayed as tests in the sanitizer build: each
# fuzz/fuzz_<name>.cpp is linked with a plain driver (fuzz/replay_main.cpp,
# no fuzzing engine) into zyl_replay_<name>, which the test replay_<name>
# runs over every file of fuzz/corpus/<name>/.
set(ZYL_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
add_library(zyl_replay_main OBJECT ${ZYL_FUZZ_DIR}/replay_main.cpp)

file(GLOB ZYL_REPLAY_SOURCES CONFIGURE_DEPENDS ${ZYL_FUZZ_DIR}/fuzz_*.cpp)
foreach(src IN LISTS ZYL_REPLAY_SOURCES)
  get_filename_component(stem ${src} NAME_WE)
  string(REGEX REPLACE "^fuzz_" "" name ${stem})
  set(exe zyl_replay_${name})
  add_executable(${exe} ${src} $<TARGET_OBJECTS:zyl_replay_main>)
  target_link_libraries(${exe} PRIVATE zyl_obj)
  add_test(NAME replay_${name} COMMAND ${exe} ${ZYL_FUZZ_DIR}/corpus/${name})
endforeach()
# The tool's listing-line reader is plain code without the tool around it.
target_sources(zyl_replay_checklist PRIVATE ${PROJECT_SOURCE_DIR}/tools/zyl/checklist.cpp)
target_include_directories(zyl_replay_checklist PRIVATE ${PROJECT_SOURCE_DIR}/tools)
