# Pictures, sounds and data files that this project makes itself, written at
# build time into the staged installation (${LINGVARO_STAGED_CONTENT}) beside the
# copied content:
#   BILD/  the numbered scenes, the main window's three picture sizes, the about
#          window's picture, the map and flag (from Debian's openclipart-svg), and
#          the name trick's closing picture
#   LJUD/  the spoken questions of the listening exercises (some 400 sounds) and
#          the flag window's tune
#   DATA/  the clock times (Spa54400, SpOvn115, and SpDi15 scrambled as a test file is) and the
#          level exercise's numbers (Spa54300), whose Spanish is regular
# Each script runs again only when it changes (the sounds also when a data file
# changes), or when one of its marker outputs has gone missing. Without
# ImageMagick, espeak-ng or sox the scripts only warn.

if(NOT LINGVARO_STAGED_CONTENT)
  message(FATAL_ERROR "LINGVARO_STAGED_CONTENT must be set before generated.cmake is included")
endif()

find_program(LINGVARO_BASH bash REQUIRED)

set(lingvaro_make_pictures ${CMAKE_CURRENT_SOURCE_DIR}/tools/make-pictures.sh)
set(lingvaro_make_sounds ${CMAKE_CURRENT_SOURCE_DIR}/tools/make-sounds.sh)
set(lingvaro_pictures_stamp ${CMAKE_CURRENT_BINARY_DIR}/generated-pictures.stamp)
set(lingvaro_sounds_stamp ${CMAKE_CURRENT_BINARY_DIR}/generated-sounds.stamp)

# Only the data files the sound step speaks: the pronunciation and duel
# exercises (11000 .. 11600), the dictations (21000 .. 27000) and the telephone
# numbers (54500). What each sound says is kept in sound-cache/, so a changed
# file is spoken again only where its lines changed.
file(GLOB lingvaro_sound_inputs CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/DATA/[Ss][Pp][Aa]11?00.DAT ${CMAKE_CURRENT_SOURCE_DIR}/DATA/[Ss][Pp][Aa]2?000.DAT
     ${CMAKE_CURRENT_SOURCE_DIR}/DATA/[Ss][Pp][Aa]54500.DAT)
set(lingvaro_sound_cache ${CMAKE_CURRENT_BINARY_DIR}/sound-cache)

# The public-domain drawings the map and the flag are made from, where installed.
set(lingvaro_clipart)
foreach(svg geography/spain_states_sherrera_01.svg signs_and_symbols/flags/europe/spain/spain.svg)
  if(EXISTS /usr/share/openclipart/svg/${svg})
    list(APPEND lingvaro_clipart /usr/share/openclipart/svg/${svg})
  endif()
endforeach()

add_custom_command(
  OUTPUT ${lingvaro_pictures_stamp} ${LINGVARO_STAGED_CONTENT}/BILD/SPA0001.BMP
  COMMAND ${LINGVARO_BASH} ${lingvaro_make_pictures} ${LINGVARO_STAGED_CONTENT}
  COMMAND ${CMAKE_COMMAND} -E touch ${lingvaro_pictures_stamp}
  DEPENDS ${lingvaro_make_pictures} ${lingvaro_clipart}
  COMMENT "Painting the pictures of BILD"
  VERBATIM)

add_custom_command(
  OUTPUT ${lingvaro_sounds_stamp} ${LINGVARO_STAGED_CONTENT}/LJUD/SPANIEN.WAV
  COMMAND ${LINGVARO_BASH} ${lingvaro_make_sounds} ${LINGVARO_STAGED_CONTENT} ${CMAKE_CURRENT_SOURCE_DIR}/DATA
          ${lingvaro_sound_cache}
  COMMAND ${CMAKE_COMMAND} -E touch ${lingvaro_sounds_stamp}
  DEPENDS ${lingvaro_make_sounds} ${lingvaro_sound_inputs}
  COMMENT "Speaking the listening exercises into LJUD"
  VERBATIM)


# The picture windows: the body drawings, the plants and animals of each question
# (BILD/KROPP, BILD/VAXTER, BILD/DJUR; sources in pictures/sources.txt) and the
# synthesised bird calls of the birds exercise (LJUD/BIRDS).
set(lingvaro_make_exercise_pictures ${CMAKE_CURRENT_SOURCE_DIR}/tools/make-exercise-pictures.sh)
set(lingvaro_make_bird_calls ${CMAKE_CURRENT_SOURCE_DIR}/tools/make-bird-calls.sh)
set(lingvaro_exercise_pictures_stamp ${CMAKE_CURRENT_BINARY_DIR}/generated-exercise-pictures.stamp)
set(lingvaro_bird_calls_stamp ${CMAKE_CURRENT_BINARY_DIR}/generated-bird-calls.stamp)
file(GLOB lingvaro_own_pictures CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/pictures/*/*.svg)
add_custom_command(
  OUTPUT ${lingvaro_exercise_pictures_stamp} ${LINGVARO_STAGED_CONTENT}/BILD/KROPP/KROPPEN.BMP
  COMMAND ${LINGVARO_BASH} ${lingvaro_make_exercise_pictures} ${LINGVARO_STAGED_CONTENT}
  COMMAND ${CMAKE_COMMAND} -E touch ${lingvaro_exercise_pictures_stamp}
  DEPENDS ${lingvaro_make_exercise_pictures} ${CMAKE_CURRENT_SOURCE_DIR}/tools/exercise_pictures.py
          ${CMAKE_CURRENT_SOURCE_DIR}/pictures/sources.txt ${lingvaro_own_pictures}
  COMMENT "Drawing the pictures of the picture windows"
  VERBATIM)
add_custom_command(
  OUTPUT ${lingvaro_bird_calls_stamp} ${LINGVARO_STAGED_CONTENT}/LJUD/BIRDS/GOK.WAV
  COMMAND ${LINGVARO_BASH} ${lingvaro_make_bird_calls} ${LINGVARO_STAGED_CONTENT}
  COMMAND ${CMAKE_COMMAND} -E touch ${lingvaro_bird_calls_stamp}
  DEPENDS ${lingvaro_make_bird_calls}
  COMMENT "Synthesising the bird calls"
  VERBATIM)
find_program(LINGVARO_PYTHON python3 REQUIRED)
set(lingvaro_make_times ${CMAKE_CURRENT_SOURCE_DIR}/tools/make-times-and-numbers.py)
set(lingvaro_generated_plain ${CMAKE_CURRENT_BINARY_DIR}/generated-plain)
set(lingvaro_generated_data
  ${LINGVARO_STAGED_CONTENT}/DATA/Spa54400.DAT ${LINGVARO_STAGED_CONTENT}/DATA/SpOvn115.DAT
  ${LINGVARO_STAGED_CONTENT}/DATA/Spa54300.DAT)
add_custom_command(
  OUTPUT ${lingvaro_generated_data} ${lingvaro_generated_plain}/SpDi15.DAT
  COMMAND ${LINGVARO_PYTHON} ${lingvaro_make_times} ${LINGVARO_STAGED_CONTENT}/DATA ${lingvaro_generated_plain}
  DEPENDS ${lingvaro_make_times}
  COMMENT "Writing the clock times and the numbers of the level exercise"
  VERBATIM)
add_custom_command(
  OUTPUT ${LINGVARO_STAGED_CONTENT}/DATA/SpDi15.DAT
  COMMAND sh -c "\"$1\" scramble < \"$2\" > \"$3\"" scramble $<TARGET_FILE:lingvaro-tool>
          ${lingvaro_generated_plain}/SpDi15.DAT ${LINGVARO_STAGED_CONTENT}/DATA/SpDi15.DAT
  DEPENDS ${lingvaro_generated_plain}/SpDi15.DAT lingvaro-tool
  VERBATIM)
# The data files are content like the copied ones: what depends on the staged
# installation's files gets them too.
add_custom_target(lingvaro_generated_data ALL
  DEPENDS ${lingvaro_generated_data} ${LINGVARO_STAGED_CONTENT}/DATA/SpDi15.DAT)
add_dependencies(lingvaro_content lingvaro_generated_data)

# The name trick's closing picture (BILD/TOP9.BMP).
set(lingvaro_make_trick_picture ${CMAKE_CURRENT_SOURCE_DIR}/tools/make-trick-picture.sh)
set(lingvaro_trick_picture_stamp ${CMAKE_CURRENT_BINARY_DIR}/generated-trick-picture.stamp)
add_custom_command(
  OUTPUT ${lingvaro_trick_picture_stamp} ${LINGVARO_STAGED_CONTENT}/BILD/TOP9.BMP
  COMMAND ${LINGVARO_BASH} ${lingvaro_make_trick_picture} ${LINGVARO_STAGED_CONTENT}
  COMMAND ${CMAKE_COMMAND} -E touch ${lingvaro_trick_picture_stamp}
  DEPENDS ${lingvaro_make_trick_picture}
  COMMENT "Painting the name trick's picture"
  VERBATIM)

add_custom_target(lingvaro_generated_content ALL
  DEPENDS ${lingvaro_pictures_stamp} ${lingvaro_sounds_stamp}
          ${lingvaro_exercise_pictures_stamp} ${lingvaro_bird_calls_stamp} ${lingvaro_trick_picture_stamp})
