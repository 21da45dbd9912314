# Warnings, text encoding and runtime linkage shared by every target of the project.

# The fixed texts are written as UTF-8 in the sources and must land in the binary as GBK
# (code page 936) bytes, which is what the ANSI "A" functions of a Chinese Windows expect.
function(soundcheck_target_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:/W4;/source-charset:utf-8;/execution-charset:.936>")
    target_compile_definitions(${target} PRIVATE _CRT_SECURE_NO_WARNINGS)
  else()
    target_compile_options(${target} PRIVATE
      "$<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-Wpedantic;-finput-charset=UTF-8;-fexec-charset=GBK>")
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  endif()
endfunction()

# A Windows program that needs nothing but the system's own DLLs.
function(soundcheck_static_runtime target)
  if(MINGW)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  elseif(MSVC)
    set_property(TARGET ${target} PROPERTY MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  endif()
endfunction()

macro(soundcheck_enable_sanitizers)
  if(MSVC)
    add_compile_options(/fsanitize=address)
  else()
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
  endif()
endmacro()

# The program runs on one thread and reports failures through fatalError instead of throwing,
# so it needs neither exception support, run-time type information nor locked initialisation
# of local statics. Leaving them out keeps the executable a few tens of KiB.
function(soundcheck_lean_code target)
  if(NOT MSVC)
    target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions;-fno-rtti;-fno-threadsafe-statics;-ffunction-sections;-fdata-sections>")
  endif()
  if(MINGW)
    target_link_options(${target} PRIVATE -Wl,--gc-sections "$<$<NOT:$<CONFIG:Debug>>:-s>")
  endif()
endfunction()
